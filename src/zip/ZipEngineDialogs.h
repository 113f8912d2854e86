#pragma once

#include <string>

namespace orlivo::zip {

// What an attended engine asks its owner: the windows plug in their dialogs; without one, or on an
// unattended engine, nothing is ever asked.
class ZipEngineDialogs {
public:
    enum class PasswordAnswer { Ok, Cancel, CancelAll };

    virtual ~ZipEngineDialogs() = default;
    virtual void messageBox(const std::string& text) = 0;
    virtual PasswordAnswer askPassword(const std::string& title, const std::string& prompt,
                                       std::string& password) = 0;
};

}  // namespace orlivo::zip

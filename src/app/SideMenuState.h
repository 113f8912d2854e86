#pragma once

#include <QString>

namespace orlivo::app {

// The side menu's states and the ticks of its view commands. Open or closed; closed either compact (an
// icon strip stays) or collapsed (hidden completely); "Collapse and expand view" adds a state with the
// top panel hidden, left by the same command.
class SideMenuState {
public:
    enum class CloseStyle { Compact, Collapse };

    static constexpr int kOpenWidth = 200;
    static constexpr int kCompactWidth = 48;
    static inline const QString kExpandViewCaption = QStringLiteral("Collapse and &expand view");
    static inline const QString kExpandViewCaptionAgain = QStringLiteral("Col&lapse and expand view");
    static inline const QString kRestoreViewsCaption = QStringLiteral("&Restore all views");

    bool isOpen() const { return fOpen; }
    CloseStyle closeStyle() const { return fCloseStyle; }
    int width() const { return fOpen ? kOpenWidth : fCloseStyle == CloseStyle::Compact ? kCompactWidth : 0; }
    bool topPanelVisible() const { return fTopPanelVisible; }
    bool compactTicked() const { return fCompactTicked; }
    bool collapseTicked() const { return fCollapseTicked; }
    bool expandViewTicked() const { return fExpandViewTicked; }
    int expandViewTag() const { return fExpandViewTag; }
    const QString& expandViewCaption() const { return fExpandViewCaption; }

    // The menu image: toggles open/closed and ticks the item of the current close style.
    void toggle();
    // "&Compact" and "Co&llapse only": that close style, closed, only that item ticked.
    void compact();
    void collapseOnly();
    void collapseAndExpandView();
    void setCompactTicked(bool ticked) { fCompactTicked = ticked; }

private:
    bool fOpen = true;
    CloseStyle fCloseStyle = CloseStyle::Compact;
    bool fTopPanelVisible = true;
    bool fCompactTicked = true;
    bool fCollapseTicked = false;
    bool fExpandViewTicked = false;
    int fExpandViewTag = 0;
    QString fExpandViewCaption = kExpandViewCaption;
};

}  // namespace orlivo::app

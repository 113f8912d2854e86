#include "SideMenuState.h"

namespace orlivo::app {

void SideMenuState::toggle() {
    fOpen = !fOpen;
    fCompactTicked = fCloseStyle == CloseStyle::Compact;
    fCollapseTicked = !fCompactTicked;
    fExpandViewTicked = false;
}

void SideMenuState::compact() {
    fCloseStyle = CloseStyle::Compact;
    fOpen = false;
    fCompactTicked = true;
    fCollapseTicked = false;
    fExpandViewTicked = false;
}

void SideMenuState::collapseOnly() {
    fCloseStyle = CloseStyle::Collapse;
    fOpen = false;
    fCompactTicked = false;
    fCollapseTicked = true;
    fExpandViewTicked = false;
}

void SideMenuState::collapseAndExpandView() {
    if (fExpandViewTag == 0) {
        fCloseStyle = CloseStyle::Collapse;
        fOpen = false;
        fTopPanelVisible = false;
        fExpandViewCaption = kRestoreViewsCaption;
        fExpandViewTicked = true;
        fExpandViewTag = 1;
    } else {
        fOpen = true;
        fTopPanelVisible = true;
        fExpandViewCaption = kExpandViewCaptionAgain;
        fExpandViewTicked = false;
        fExpandViewTag = 0;
    }
    fCompactTicked = false;
    fCollapseTicked = false;
}

}  // namespace orlivo::app

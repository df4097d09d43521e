#pragma once
// What the start page does with the update check's result, on the user-interface thread.
#include <functional>

struct UpdateResultHooks {
    std::function<void()> stopCheckTimer;
    std::function<void()> setFormatsChanged;   // the wizard's list-refresh flag
    std::function<void()> reloadCatalog;       // empty the sheet catalog and load it again
};

// On kUpdateFetched (an update has been installed): stop the timer, flag and reload the catalog.
// On kNoUpdate: stop the timer. Any other value: nothing. Every hook must be set.
void HandleUpdateResult(int result, const UpdateResultHooks& hooks);

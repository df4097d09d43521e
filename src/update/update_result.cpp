#include "update/update_result.h"

#include "update/update_check.h"

void HandleUpdateResult(int result, const UpdateResultHooks& hooks)
{
    if (result != kUpdateFetched && result != kNoUpdate)
        return;
    hooks.stopCheckTimer();
    if (result == kNoUpdate)
        return;
    hooks.setFormatsChanged();
    hooks.reloadCatalog();
}

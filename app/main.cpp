#include "settingsstore.h"

int main()
{
    SettingsStore().EnsureSettingsFile();
    return 0;
}

#include "Dialogs.h"

#include "FrameworkDialogs.h"

Dialogs& Dialogs::framework()
{
    // Stateless, so one for the whole program; built on first use, on the message thread.
    static FrameworkDialogs dialogs;
    return dialogs;
}

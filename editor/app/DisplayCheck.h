#pragma once

/** True when the framework reached an X display that windows can be opened on.

    Without one the framework finds no displays instead of failing, but the
    first window it makes then crashes; the application asks this first.
*/
bool canReachADisplay();

/** What the application writes on standard error, as one line, when it cannot reach a display. */
extern const char* const noDisplayMessage;

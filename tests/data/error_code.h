#pragma once
// The number of the run-time error an action ends with, or 0 when it ends normally.
#include "platform/runerror.h"

template <class Action>
int RunErrorCode(Action&& action) {
    try {
        action();
    } catch (const RuntimeError& error) {
        return error.code;
    }
    return 0;
}

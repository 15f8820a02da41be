#pragma once
// The first half of every property setter that tells someone about a change:
// store the value only when it differs, and say whether it did, so the
// caller notifies (repaints, re-arranges, emits) exactly when something
// changed.

template <typename T, typename U> bool AssignIfChanged(T& field, const U& value)
{
    if (value == field)
        return false;
    field = value;
    return true;
}

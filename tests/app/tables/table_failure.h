// The message of the table error an action raises, or "<no error>".
#pragma once

#include <QString>
#include <functional>

#include "app/tables/tableerror.h"

inline QString failureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ETableError& error) {
        return error.message();
    }
    return QStringLiteral("<no error>");
}

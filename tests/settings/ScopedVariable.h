#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace mirvane {

// Sets an environment variable for the lifetime of the object, then puts
// back what was there before, unset included.
class TScopedVariable {
public:
    TScopedVariable(const char* Name, const QByteArray& Value)
        : Name(Name), Previous(qgetenv(Name)), HadPrevious(qEnvironmentVariableIsSet(Name))
    {
        qputenv(Name, Value);
    }
    ~TScopedVariable()
    {
        if (HadPrevious) {
            qputenv(Name, Previous);
        } else {
            qunsetenv(Name);
        }
    }
    TScopedVariable(const TScopedVariable&) = delete;
    TScopedVariable& operator=(const TScopedVariable&) = delete;

private:
    const char* Name;
    QByteArray Previous;
    bool HadPrevious;
};

}  // namespace mirvane

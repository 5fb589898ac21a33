#include "framework/Event.h"

#include "framework/ApplicationExceptions.h"

namespace EventSupport {

void handlerFailed()
{
    ApplicationExceptions::HandleException();
}

bool signatureFits(const QMetaMethod& method, const QList<QByteArray>& parameterTypes)
{
    if (method.parameterCount() != parameterTypes.size() + 1)
        return false;
    if (method.parameterTypeName(0) != QByteArrayLiteral("QObject*"))
        return false;
    for (int i = 0; i < parameterTypes.size(); ++i) {
        if (method.parameterTypeName(i + 1) != parameterTypes[i])
            return false;
    }
    return true;
}

} // namespace EventSupport

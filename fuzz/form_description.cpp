// Form reader on arbitrary bytes: it must end, fail cleanly and leave no component behind.
#include "framework/FormDescriptionError.h"
#include "framework/FormReader.h"
#include "framework/TForm.h"

#include <QApplication>
#include <QBuffer>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TForm form;
    try {
        readForm(&form, &buffer, QStringLiteral("fuzz.xml"));
    } catch (const FormDescriptionError&) {
        if (form.ComponentCount() != 0)
            abort();
    }
    return 0;
}

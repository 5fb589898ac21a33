// Form reader on arbitrary bytes: it must end, fail cleanly and leave no component behind.
#include "framework/FormDescriptionError.h"
#include "framework/FormReader.h"
#include "framework/TForm.h"
#include "skin/SkinComponents.h"

#include <QApplication>
#include <QBuffer>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// A form as the program's own are: handlers the descriptions can name, one of them of a shape no
// event has. With the skin's classes registered, descriptions reach every kind of property the
// reader knows (string lists, binary data, references, collections).
class FuzzForm : public TForm {
    Q_OBJECT
public:
    using TForm::TForm;
    Q_INVOKABLE void FormCreate(QObject*) { }
    Q_INVOKABLE void ControlClick(QObject*) { }
    Q_INVOKABLE void WrongShape(int) { }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    RegisterSkinComponents();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    FuzzForm form;
    try {
        readForm(&form, &buffer, QStringLiteral("fuzz.xml"));
    } catch (const FormDescriptionError&) {
        if (form.ComponentCount() != 0)
            abort();
    }
    return 0;
}

#include "form_description.moc"

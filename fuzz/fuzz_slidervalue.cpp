// Values typed into a slider row's entry box: whatever the text, the held value stays within the
// slider's range, the slider shows it, and a plain in-range integer typed in the integer mode is
// taken as it stands.

#include "fuzzsupport.h"

#include <vireowidgets/controls/sliderwithspinwidget.h>

#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSlider>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using Vireo::Widgets::ZKSliderLineEditWidget;
    Vireo::Fuzz::ensureApplication();
    static const bool quiet = [] {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        return true;
    }();
    Q_UNUSED(quiet)
    if (size < 4)
        return 0;
    // Set-up bytes: range, mode, factor; the rest is the typed text.
    const int minimum = int(qint8(data[0])) * 4;
    const int maximum = minimum + int(data[1]) * 8;
    const int mode = data[2] % 3; // 0 integer, 1 two decimals, 2 integer with a factor
    const int factor = 1 + data[3] % 4;
    const QString typed = Vireo::Fuzz::text(data + 4, size - 4);

    ZKSliderLineEditWidget row;
    if (mode == 1)
        row.setDoubleFlag(true);
    if (mode == 2)
        row.setEvenCharacteristic(factor);
    row.setRange(minimum, maximum);
    int low = 0;
    int high = 0;
    row.getRange(low, high);
    auto* box = row.findChild<QDoubleSpinBox*>();
    VIREO_FUZZ_CHECK(box != nullptr, QStringLiteral("no entry box"));

    auto* entry = box->findChild<QLineEdit*>();
    VIREO_FUZZ_CHECK(entry != nullptr, QStringLiteral("no line edit in the entry box"));
    entry->setText(typed);
    row.slot_LineEidtValueFinsh();
    const QString detail = QStringLiteral("range %1..%2 mode %3 factor %4 typed '%5' -> %6")
                               .arg(low)
                               .arg(high)
                               .arg(mode)
                               .arg(factor)
                               .arg(typed)
                               .arg(row.getCurValue());
    VIREO_FUZZ_CHECK(row.getCurValue() >= low && row.getCurValue() <= high, detail);
    VIREO_FUZZ_CHECK(row.getSlider() && static_cast<QSlider*>(row.getSlider())->value() == row.getCurValue(), detail);

    bool isInteger = false;
    const int number = typed.toInt(&isInteger);
    if (mode == 0 && isInteger && typed == QString::number(number) && number >= low && number <= high)
        VIREO_FUZZ_CHECK(row.getCurValue() == number, detail);
    return 0;
}

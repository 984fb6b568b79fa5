// A minimal host: links the installed package and creates one of its widgets.
#include <vireomodel/devicelist.h>
#include <vireowidgets/foundation/qwraplabel.h>

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Vireo::Widgets::QWrapLabel label(nullptr, {});
    label.resize(400, 20);
    label.setText(QStringLiteral("consumer"));
    if (label.getText() != QLatin1String("consumer"))
        return 1;
    if (!Vireo::BizModel::DeviceList::instance())
        return 2;
    std::printf("consumer ok\n");
    return 0;
}

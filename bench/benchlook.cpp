#include "benchlook.h"

#include <QApplication>

namespace Vireo::Bench {

namespace {

// A host sheet in the shape of the gallery's: a base look, the navigation frame, and the input and
// screen buttons with their state properties.
const char kPanelStyleSheet[] = R"(
QWidget { background-color: #1e2024; color: #d8dadf; font-size: 12px; }
QScrollArea, QScrollArea > QWidget > QWidget { background-color: #17181b; }
QToolButton { background-color: #2b2e35; border: 1px solid #3a3e47; border-radius: 4px; padding: 4px 10px; }
QToolButton:hover { background-color: #343842; }
QToolButton:pressed, QToolButton:checked { background-color: #23416e; }
QFrame#NaviSliderFrame { background-color: #17181b; }
QToolButton[NaviButton="true"] { border: none; background: transparent; }
QToolButton[NaviButton="true"]:disabled { color: #555a63; }
QFrame[isLevel1Separator="true"], QFrame[isSpecialBackgroundSeparator="true"] { background-color: #33363d; }

QToolButton[isInterfaceButton="true"] { background-color: #24262b; border: 1px solid #33363d; }
QToolButton[isInterfaceButton="true"]:checked { border-color: #2f8cff; }
QLabel[isInterfaceName="true"] { color: #8b909a; font-size: 13px; }
QLabel[isInterfaceName="true"][isHasSignal="true"] { color: #ffffff; }
QLabel[isInterfaceName="true"][isChecked="true"] { color: #2f8cff; }
QLabel[isInterfaceKeyNo="true"] { color: #8b909a; font-weight: bold; }
QLabel[isInterfaceType="true"], QLabel[isInterfaceSlot="true"] { color: #6b707a; }
QLabel[isInterfaceType="true"][isHasSignal="true"], QLabel[isInterfaceSlot="true"][isHasSignal="true"] { color: #b8bcc4; }
QLabel[isInterfaceCapacity="true"] { color: #6b707a; font-size: 10px; }
QLabel[isInterfaceRadio="true"][isSignalStatus="signal"] { color: #4caf50; }
QLabel[isInterfaceRadio="true"][isSignalStatus="overLoad"] { color: #ff9800; }
QLabel[isInterfaceRadio="true"][isSignalStatus="unSignal"] { color: #f44336; }
QToolButton#buttonCapture { border: none; background: transparent; }
QToolButton#buttonCapture:disabled { background: transparent; }

QToolButton[isScreenDetailMode="true"] { background-color: #24262b; border: 1px solid #33363d; }
QLabel#ScreenName { color: #d8dadf; font-size: 13px; }
QLabel#ScreenName[isChecked="true"] { color: #2f8cff; }
QLabel#ScreenName[isAuxScreenName="true"] { color: #e0b050; }
QLabel#RatioLabel { color: #8b909a; }
QLabel[isScreenContent="true"] { color: #6b707a; }
QToolButton[isCloseButton="true"] { border: none; background: transparent; }
)";

bool g_sheetApplied = false;

} // namespace

void usePanelStyleSheet()
{
    if (g_sheetApplied)
        return;
    g_sheetApplied = true;
    qApp->setStyleSheet(QString::fromUtf8(kPanelStyleSheet));
}

void dropPanelStyleSheet()
{
    if (!g_sheetApplied)
        return;
    g_sheetApplied = false;
    qApp->setStyleSheet(QString());
}

} // namespace Vireo::Bench

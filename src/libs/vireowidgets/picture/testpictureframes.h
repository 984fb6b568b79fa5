#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <vireomodel/enums.h>

#include <QFrame>
#include <QIcon>
#include <QObject>
#include <QPoint>
#include <QStringList>
#include <QVector>

class QAbstractButton;
class QButtonGroup;
class QScrollArea;

namespace ZK::Utils {
class FlowLayout;
}

namespace Vireo::Widgets {

class SliderEditFrame;

// The catalogue of test patterns a device can show.
class VIREOWIDGETS_EXPORT TestPattern : public QObject
{
    Q_OBJECT
public:
    // One entry of the test-pattern catalogue: the device's pattern number, its name and which
    // settings (speed, brightness, grid) it takes.
    struct s_TestPatternMeta
    {
        quint32 Key = 0;
        bool HasGrid = false;
        bool HasSpeed = false;
        bool HasBrightness = false;
        int HasGridType = 0; // 1: the pattern has a grid spacing
        bool HasGridLineWidth = false;
        QString testPatternName; // untranslated
    };

    static const QVector<s_TestPatternMeta> testPatternVec;

    // The translated name of the pattern with that key; empty for an unknown key.
    static QString testPatternDisplayName(const quint32& key);
};

// The pattern and the parameters last chosen for it, attached to its button (user data slot 0).
class VIREOWIDGETS_EXPORT TestMeta : public QObjectUserData
{
public:
    TestPattern::s_TestPatternMeta m_TestMeta;
    int m_nGrid = 4;
    int m_nSpeed = 3;
    int m_nBrightness = 3;
    int m_nGridSpacing = 32;
    int m_nGridLinewidth = 1;

    // The TestMeta of a pattern button (user data slot 0), or null.
    static TestMeta* of(const QObject* button);
};

namespace Internal {
struct TestPictureFramesUi;
}

// Picks a test pattern and its parameters: a touch-scrollable strip of thumbnails and, below it,
// the sliders the chosen pattern uses. Every choice or change is reported with the pattern's
// button, whose TestMeta carries the key and the parameters.
//
// Style hooks: pattern buttons carry "TestPicturePushButton" = true, the chosen one
// "TestPicturePushButtonOn" = true instead; object names "TestPictureTopFrame",
// "TestPictureScrollArea", "TestPictureButtonFrame", and "TestPictureGridLevel",
// "TestPictureGridSpacing", "TestPictureGridLineWidth", "TestPictureSpeed",
// "TestPictureBrightness" for the sliders.
class VIREOWIDGETS_EXPORT TestPictureFrames : public QFrame
{
    Q_OBJECT
public:
    explicit TestPictureFrames(QWidget* parent = nullptr);
    ~TestPictureFrames() override;

    void addTestModel(const TestPattern::s_TestPatternMeta& meta, const QIcon& icon, const QIcon& userDataIcon);
    void addTestModel(const TestPattern::s_TestPatternMeta& meta);
    void clearModel();

    void setCurSelTestMode(int nKey);
    void setOutputHoriTiming(int horizontal);
    void setCurSpeedValue(int value);
    void setCurBrightnessValue(int value);
    void setGridLineWidthValue(int value);
    void setGridValue(int nGridValue, Vireo::BizModel::TestPatternGridType type);
    QAbstractButton* getCurrentAbstract() const;

    void retranslateUi();
    void autoSettingHeight();

signals:
    void signalTestButtonClicked(QAbstractButton* button);

public slots:
    void slot_TestButton(QAbstractButton* button);
    void slot_TestButton(int id);
    void slot_CurValueChanged(int value);

public:
    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void createWidgets();
    void createConnections();
    void addDefaultModels();
    void setSelectTest(int key);
    // Shows the pattern's sliders and stores their values in its TestMeta.
    void applyPattern(QAbstractButton* button);
    void alignLabels();

    ZK::Utils::FlowLayout* m_pFlowLayout = nullptr;
    QButtonGroup* m_pButtonGroup = nullptr;
    QAbstractButton* m_pCurAbstract = nullptr;
    int m_nCurrentIndex = -1;
    QFrame* m_pFrameTestPic = nullptr;
    QStringList m_strListPic;
    QStringList m_bigPictureList;
    Internal::TestPictureFramesUi* ui = nullptr;
    QScrollArea* pScrollArea = nullptr;
    QPoint m_beginPoint;
    QPoint m_pscrollPoint;
};

} // namespace Vireo::Widgets

#pragma once

#include <vireowidgets/vireowidgets_export.h>

#include <zkwidgets/vesa.h>

#include <QMap>
#include <QObject>
#include <QString>
#include <QWidget>

#include <list>

class QAbstractButton;
class QButtonGroup;

namespace ZK::Utils {
class FlowLayout;
}

namespace Vireo::Widgets {

// Carried by each button of the preset resolution popup (user-data slot 0): the record the button
// stands for (not owned) and the button's text.
class VIREOWIDGETS_EXPORT UserDataDMTSchemaData : public QObjectUserData
{
public:
    UserDataDMTSchemaData() = default;
    void SetUserData(const ZK::VESA::s_DMTSchemaData* data, const QString& name);

    const ZK::VESA::s_DMTSchemaData* m_pDMTSchemaData = nullptr;
    QString m_strName;
};

// Frameless popup showing preset timings as a grid of buttons; marks the current one and closes
// after a click. The host reads the chosen record from the clicked button's UserDataDMTSchemaData.
// Buttons carry the property "PresetResolutionButton".
class VIREOWIDGETS_EXPORT PresetResolutionDialog : public QWidget
{
    Q_OBJECT
public:
    explicit PresetResolutionDialog(QWidget* parent = nullptr);
    ~PresetResolutionDialog() override;

    // The record stays the caller's and must outlive the popup.
    void addPresetResolutionRatioData(const ZK::VESA::s_DMTSchemaData* data);
    // A hidden "Custom" entry holding a copy of the record, kept by the popup.
    void addNoNameResolutionRatioData(ZK::VESA::s_DMTSchemaData data);
    void setCurSelResolution(ZK::VESA::s_DMTSchemaData data);

    // The record a popup button stands for, or null.
    static const ZK::VESA::s_DMTSchemaData* recordOf(QAbstractButton* button);

signals:
    void sig_buttonClicked(QAbstractButton* button);

public slots:
    void slot_buttonClicked(QAbstractButton* button);
    void slot_Close();

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QAbstractButton* addButton(const ZK::VESA::s_DMTSchemaData* data, const QString& text);

    QButtonGroup* m_pButtonGroup = nullptr;
    ZK::Utils::FlowLayout* m_pFlowLayout = nullptr;
    QMap<const ZK::VESA::s_DMTSchemaData*, QAbstractButton*> m_mapDMTSchemaData;
    // Copies made by addNoNameResolutionRatioData, freed with the popup.
    std::list<ZK::VESA::s_DMTSchemaData> m_ownedCopies;
};

} // namespace Vireo::Widgets

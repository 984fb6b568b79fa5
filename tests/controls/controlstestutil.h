#pragma once

// Small helpers shared by the control tests: where a slider's handle is, and driving it with the
// mouse as a person would.

#include "common/testsupport.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QLineEdit>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWheelEvent>

namespace Vireo::Test {

// The handle rectangle the style gives a slider standing at `position`.
inline QRect sliderHandleRect(QSlider* slider, int position)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.subControls = QStyle::SC_None;
    option.activeSubControls = QStyle::SC_None;
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.tickPosition = slider->tickPosition();
    option.tickInterval = slider->tickInterval();
    option.upsideDown = slider->orientation() == Qt::Horizontal
        ? slider->invertedAppearance() != (option.direction == Qt::RightToLeft)
        : !slider->invertedAppearance();
    option.sliderPosition = position;
    option.sliderValue = position;
    option.singleStep = slider->singleStep();
    option.pageStep = slider->pageStep();
    if (slider->orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider);
}

inline void pressSliderHandle(QSlider* slider)
{
    const QPoint at = sliderHandleRect(slider, slider->sliderPosition()).center();
    sendMouse(slider, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
}

// Moves a pressed handle to where it stands at `value`.
inline void moveSliderHandle(QSlider* slider, int value)
{
    const QPoint at = sliderHandleRect(slider, value).center();
    sendMouse(slider, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
}

inline void releaseSliderHandle(QSlider* slider)
{
    const QPoint at = sliderHandleRect(slider, slider->sliderPosition()).center();
    sendMouse(slider, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

// Press on the handle, move through every value in `path`, release.
inline void dragSlider(QSlider* slider, const QList<int>& path)
{
    pressSliderHandle(slider);
    for (int value : path)
        moveSliderHandle(slider, value);
    releaseSliderHandle(slider);
}

// Turns the mouse wheel one notch over `target`; returns whether anybody took the event.
inline bool turnWheel(QWidget* target, int notches = 1)
{
    const QPoint at = target->rect().center();
    QWheelEvent event(QPointF(at), QPointF(target->mapToGlobal(at)), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
        Qt::NoModifier, Qt::NoScrollPhase, false);
    event.setAccepted(true);
    QApplication::sendEvent(target, &event);
    return event.isAccepted();
}

inline QLineEdit* editOf(QAbstractSpinBox* box)
{
    return box->findChild<QLineEdit*>();
}

// Replaces the text of a spin box by typing, as a person who selected everything first.
inline void typeIntoSpinBox(QAbstractSpinBox* box, const QString& text)
{
    box->setFocus(Qt::MouseFocusReason);
    editOf(box)->selectAll();
    QTest::keyClicks(box, text);
}

} // namespace Vireo::Test

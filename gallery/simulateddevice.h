#pragma once

// A simulated processor for the gallery: fills the device-model stand-in (in live mode) with
// screens, layers, inputs, outputs, user keys and stored pictures, and draws moving test pictures
// for screens and inputs.

#include <vireomodel/bizmodel.h>

#include <QImage>
#include <QObject>
#include <QSize>
#include <QTimer>

#include <memory>

namespace Vireo::Gallery {

class SimulatedDevice : public QObject
{
    Q_OBJECT
public:
    explicit SimulatedDevice(QObject* parent = nullptr);
    ~SimulatedDevice() override;

    std::weak_ptr<Vireo::BizModel::Device> device() const { return m_device; }

    // Frame providers: a colour-bar test picture with a moving box and the source's name, scaled to
    // `size`. False (and `frame` untouched) for an expired source, an empty size, or an input
    // without signal.
    bool readScreenFrame(
        std::weak_ptr<Vireo::BizModel::Screen> screen, int sceneType, const QSize& size, QImage& frame);
    bool readInputFrame(std::weak_ptr<Vireo::BizModel::Input> input, const QSize& size, QImage& frame);

    int frameCounter() const { return m_frame; }

    // Another client (192.168.1.35) takes control of the device away from this one, as at start-up.
    void handControlToOtherClient();

signals:
    void tick(); // about every 100 ms, for video refreshes

private:
    void build();
    void buildTakeOver();
    void addCaptureData();
    void addGalleryPictures();
    void buildUserKeys(); // more user keys, in every colour, so that the key list scrolls
    QImage drawPattern(const QSize& size, const QString& text, int seed) const;

    std::weak_ptr<Vireo::BizModel::Device> m_device;
    QTimer m_timer;
    int m_frame = 0;
};

} // namespace Vireo::Gallery

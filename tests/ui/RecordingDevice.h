#pragma once

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPointF>
#include <QString>
#include <QTextItem>
#include <vector>

// A paint device that records every text drawn on it and where its baseline starts.

struct DrawnText {
    QPointF baseline;
    QString text;
};

class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        texts.push_back({p, item.text()});
    }
    Type type() const override { return QPaintEngine::User; }

    std::vector<DrawnText> texts;
};

class RecordingDevice : public QPaintDevice {
public:
    RecordingDevice(int width = 2000, int height = 3000, int dpi = 96)
        : m_width(width), m_height(height), m_dpi(dpi) {}
    QPaintEngine* paintEngine() const override { return &m_engine; }
    std::vector<DrawnText>& texts() { return m_engine.texts; }

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
            case PdmWidth:
                return m_width;
            case PdmHeight:
                return m_height;
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return m_dpi;
            case PdmDepth:
                return 32;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
            default:
                return 1;
        }
    }

private:
    int m_width;
    int m_height;
    int m_dpi;
    mutable RecordingEngine m_engine;
};

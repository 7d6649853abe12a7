#pragma once
#include <QPaintDevice>
#include <QSize>
#include <cstdint>
#include <memory>
#include <vector>

// A paint device whose painter turns what it draws into the records of a
// placeable Windows metafile: pens, brushes and fonts become objects, lines are
// joined into polylines, fills into polygons, text keeps its font, colour and
// place. The picture keeps the size it had on screen (the header's inch is the
// screen's logical inch), with ten file units per pixel when the 16-bit
// coordinates leave room for it.
class TMotorWmf : public QPaintDevice {
public:
    // `tamanho` in logical pixels; `dpi` the screen's logical dots per inch.
    TMotorWmf(QSize tamanho, int dpi);
    ~TMotorWmf() override;
    TMotorWmf(const TMotorWmf&) = delete;
    TMotorWmf& operator=(const TMotorWmf&) = delete;

    QPaintEngine* paintEngine() const override;

    // The file's bytes, once the painter has ended (empty before).
    std::vector<std::uint8_t> Arquivo() const;

    // File units per pixel for a picture of this size.
    static int UnidadesPorPixel(QSize tamanho);

protected:
    int metric(PaintDeviceMetric metrica) const override;

private:
    class Motor;
    QSize tamanho_;
    int dpi_;
    std::unique_ptr<Motor> motor_;
};

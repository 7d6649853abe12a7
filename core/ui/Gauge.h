#pragma once
#include <QWidget>

// Pie gauge: a disc filled clockwise from twelve o'clock in proportion to
// Progress / MaxValue, with the percentage written in the middle.
class Gauge : public QWidget {
    Q_OBJECT
public:
    explicit Gauge(QWidget* parent = nullptr);

    void setMaxValue(int maximo);
    void setProgress(int posicao);
    int maxValue() const { return maximo_; }
    int progress() const { return posicao_; }
    // Whole percentage shown in the middle (0 when the maximum is not positive).
    int percentual() const;

    QSize sizeHint() const override { return {90, 90}; }
    QSize minimumSizeHint() const override { return {60, 60}; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int maximo_ = 100;
    int posicao_ = 0;
};

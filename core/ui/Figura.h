#pragma once
#include <QImage>
#include <QWidget>

// A picture the program paints into (the member, its legend, the colour map, the
// scale): it keeps its image, shows it, and reports the mouse moving over it.
class TFigura : public QWidget {
    Q_OBJECT
public:
    explicit TFigura(QWidget* parent = nullptr);

    QImage& Imagem() { return imagem_; }
    const QImage& Imagem() const { return imagem_; }
    // A new blank image of the widget's size in `cor`.
    void Limpa(const QColor& cor);
    // The image changed: show it.
    void Atualiza() { update(); }

signals:
    void MouseMoveu(int x, int y);

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;

private:
    QImage imagem_;
};

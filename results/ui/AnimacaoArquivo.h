#pragma once
#include <QTimer>
#include <QWidget>

// A small file-copy animation: a sheet travels from one folder to the other
// while a save is under way.
class TAnimacaoArquivo : public QWidget {
    Q_OBJECT
public:
    explicit TAnimacaoArquivo(QWidget* parent = nullptr);

    void Inicia();
    void Para();
    bool Ativa() const { return relogio_.isActive(); }

    QSize sizeHint() const override { return {240, 60}; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QTimer relogio_;
    int quadro_ = 0;
};

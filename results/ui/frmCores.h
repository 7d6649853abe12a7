#pragma once
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QWidget>

#include "core/PosProcesso.h"
#include "core/ui/CaixaHora.h"
#include "core/ui/Contexto.h"
#include "results/ui/Figura.h"

// " IsoCores": the member painted in the colours of its temperatures at one
// instant, beside the colour scale of the whole analysis, with an animation over
// the instants and a read-out of the height and temperature under the mouse.
class TfrmCores : public QWidget, public PintorElemento {
    Q_OBJECT
public:
    explicit TfrmCores(Contexto& ctx, QWidget* parent = nullptr);

    // The final state of a run, element by element (the post-processing calls it).
    void DesenhaElemento(int e, int m, double tInferior, double tSuperior, double tMaxEscala, double tMinEscala,
                         double alturaMembro, const std::array<TCamada, MaxElementos + 1>& elementos) override;
    // Limits of the start-hour control seTIni, set at the end of every complete run
    // (with a step above one hour, moved to computed instants).
    void DefineLimitesHora(int minimo, int maximo);

    // The scale picture and its five texts from TMinEscala and TMaxEscala.
    void DesenhaEscala();
    // "Visualizar": paints the instant chosen in seTIni.
    void Visualizar();
    // One tick of the animation: the instant seHorasQuadro hours later (a whole number
    // of steps), the last instant of the analysis at the end, painting only the map.
    void PassoAnimacao();
    // Hours the animation advances per frame: seHorasQuadro raised to a whole number of
    // time steps.
    int HorasPorQuadro() const;
    // Hours per frame at start: a 5000-hour analysis plays in under a minute at the
    // default period of 500 ms (105 frames).
    static constexpr int HorasPorQuadroPadrao = 48;
    // The read-out for the mouse at (x, y) of imGrafico.
    void MostraLeitura(int x, int y);

    // Columns of the member in the picture.
    static constexpr int XEsquerda = 110;
    static constexpr int XDireita = 160;

    QMenuBar* MainMenu1;
    QAction* Norvik1D1;
    QAction* SaidaCores1;
    QAction* Grafico1;
    QAction* Planilha1;
    QAction* Eixo1;
    QAction* SalvarFigura1;  // the map beside its scale as PNG
    TFigura* imGrafico;
    TFigura* ImEscala;
    TFigura* imCor;
    QLabel* stTmax;
    QLabel* stTq;
    QLabel* stTr;
    QLabel* stTf;
    QLabel* stTmin;
    QLabel* lbIndica;
    QLabel* lbXi;
    QLabel* lbTi;
    QLabel* Label5;
    TCaixaHora* seTIni;
    QPushButton* btnVisualizar;
    QCheckBox* chkAnimacao;
    QSpinBox* seFotos;
    QSpinBox* seHorasQuadro;  // hours per frame of the animation
    QTimer* tAnimacao;
    QProgressBar* gaProcesso;
    int PosEscala = 0;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    // The instant chosen in seTIni; an animation frame repaints only the map (no
    // gauge, window repaint or status text).
    void PintaInstante(bool quadroAnimacao);
    void PintaElemento(int e, int m, double tInferior, double tSuperior, double tMaxEscala, double tMinEscala,
                       double alturaMembro, const TCamada& elemento);
    void LimpaColuna();
    void Status(const QString& texto);
    double AlturaMembro() const;

    Contexto& ctx_;
    QWidget* areaFigura_ = nullptr;  // the map, the scale and their texts
    bool leituraValida_ = false;
};

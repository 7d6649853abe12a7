#pragma once
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>
#include <array>

#include "core/ui/Contexto.h"
#include "obra/TemperaturaMistura.h"

// "Temperatura de Lançamento pela Mistura": the placed concrete's temperature from the
// masses and temperatures of its constituents, the ice that reaches a chosen one, and
// "Aplicar", which writes the result as the placing temperature of the layers checked,
// and keeps the mix and those layers in the problem (one change of the history). It
// opens on the mix the problem keeps, or on a typical one when it keeps none.
class TfrmTemperaturaMistura : public QWidget {
    Q_OBJECT
public:
    explicit TfrmTemperaturaMistura(Contexto& ctx, QWidget* parent = nullptr);
    // Lists the layers of the stored member (the concrete ones checked) and shows it.
    void Abre();
    // After a project is opened or a change undone: the mix and the layers as stored.
    void MostraEstado();

    // Rows: cement, sand, two coarse aggregates, water, ice; columns: mass,
    // temperature, specific heat, free moisture (aggregates only).
    static constexpr int Linhas = 6;
    std::array<std::array<QLineEdit*, 4>, Linhas> campos{};
    QLineEdit* edCalorFusao;
    QLineEdit* edGanho;
    QLineEdit* edAlvo;
    QLabel* lbTemperatura;
    QLabel* lbGelo;
    QListWidget* lstCamadas;
    QPushButton* btnCalcular;
    QPushButton* btnGelo;
    QPushButton* btnUsarGelo;
    QPushButton* btnAplicar;
    QPushButton* btnFechar;

private:
    // The layers of the stored member, with their placing temperatures.
    void ListaCamadas();
    void Mostra(const TemperaturaMistura::Mistura& m);
    TemperaturaMistura::Mistura Le() const;
    void Calcula();
    void CalculaGelo();
    void UsaGelo();
    void Aplica();

    Contexto& ctx_;
    double geloAchado_ = -1.0;
};

#pragma once
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "core/ui/Contexto.h"
#include "core/ui/LacoCamadas.h"

// "Inserir Camada": the member as a stack of layers, entered from the bottom up.
class TfrmMembro : public QWidget {
    Q_OBJECT
public:
    explicit TfrmMembro(Contexto& ctx, QWidget* parent = nullptr);

    // "Nova Análise" enables the foundation box again.
    void HabilitaFundacao();
    // "Inserir Membro": shows the dialog with the labels and defaults of the unit system.
    void Abre();
    // The problem changed (a project opened, or undo and redo when `novoProjeto` is
    // false): the fields show the stored layer in the current unit system.
    void MostraEstado(bool novoProjeto = true);

    QLineEdit* edMembro;
    QLineEdit* edXini;
    QLineEdit* edH;
    // The coarse aggregate: choosing one fills the specific heat and the dilation with
    // its typical values (editable afterwards); "Inserir" keeps the choice with the layer.
    QComboBox* cbAgregado;
    QLineEdit* edK;
    QLineEdit* edRo;
    QLineEdit* edCalorEsp;
    QLineEdit* edAlfa;
    QLabel* lbUnidadeK;
    QLabel* lbUnidadeCalorEsp;
    QGroupBox* gbxFundacao;
    QCheckBox* ckbFundacao;
    QCheckBox* chkFormaDeslizante;
    QGroupBox* gbxFormaDeslizante;
    QLineEdit* edEspessuraForma;
    QLineEdit* edVelocidadeForma;
    QPushButton* btnInserir;
    QPushButton* Button1;

private:
    void Inserir();
    void Sair();
    void PreencheCamada(int n);
    void EscolheAgregado();
    // Ends the entry with layer n as the last one.
    void Conclui(int n);

    Contexto& ctx_;
    LacoCamadas laco_;
};

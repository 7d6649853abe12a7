#pragma once
#include <QComboBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

#include "core/ui/Contexto.h"

// "Análise por Nó": the history of single nodes listed as text, for the
// temperature or the stress table.
class TfrmTemperaturaNo : public QWidget {
    Q_OBJECT
public:
    explicit TfrmTemperaturaNo(Contexto& ctx, QWidget* parent = nullptr);

    // Clears the listing and the chooser, takes the mode (also into ModoNo), sets
    // the frame caption, shows the window and offers the nodes 1 .. NElemAtivos + 1.
    void Abre(TModoNo modo);

    QComboBox* cbbVisualizaNo;
    QGroupBox* GroupBox1;
    QPlainTextEdit* mmFile;
    QPushButton* btnVisualizar;
    QPushButton* btnLimpar;

private:
    void Visualizar();
    void Limpar();

    Contexto& ctx_;
    TModoNo modo_ = TModoNo::Temperatura;
};

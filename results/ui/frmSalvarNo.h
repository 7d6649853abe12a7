#pragma once
#include <QComboBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <vector>

#include "core/ui/Contexto.h"

// "Salvar Nós Selecionados": a list of nodes whose histories are written side by
// side into a text file, from the temperature or the stress table.
class TfrmSalvarNo : public QWidget {
    Q_OBJECT
public:
    explicit TfrmSalvarNo(Contexto& ctx, QWidget* parent = nullptr);

    // Shows the window, clears the list and the chooser, takes the mode (also
    // into ModoNo), sets the prompt and offers the nodes 1 .. NElemAtivos + 1.
    void Abre(TModoNo modo);

    // The selected list read as node numbers (ErroConversao for a bad line).
    std::vector<int> NosSelecionados() const;

    static constexpr int MaxNosLista = 5000;

    QComboBox* cbbVisualizaNo;
    QGroupBox* GroupBox1;
    QPlainTextEdit* mmFile;
    QPushButton* btnAcrescentar;
    QPushButton* btnLimpar;
    QPushButton* btnSalvar;

private:
    void Acrescentar();
    void Limpar();
    void Salvar();

    Contexto& ctx_;
    TModoNo modo_ = TModoNo::Temperatura;
};

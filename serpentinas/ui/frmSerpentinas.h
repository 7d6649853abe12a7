#pragma once
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <vector>

#include "core/ui/Contexto.h"
#include "core/ui/Janelas.h"
#include "serpentinas/DadosSerpentinas.h"

// "Serpentinas de Resfriamento": the pipe rows of each lift, the pipe (with the HDPE and
// steel presets), the loop, the water and the operation. The lifts are edited in a
// draft; "Ok" writes the draft as one change of the history.
class TfrmSerpentinas : public QWidget, public JanelaEstado {
    Q_OBJECT
public:
    explicit TfrmSerpentinas(Contexto& ctx, QWidget* parent = nullptr);
    // The draft from the stored problem, at the first lift with pipes.
    void Abre() override;
    // After a project is opened or a change undone: the draft again, if shown.
    void MostraEstado() override;

    QComboBox* cbCamada;
    QCheckBox* chkTem;
    QLineEdit* edAlturas;
    QLineEdit* edEspacamento;
    QComboBox* cbTubo;
    QLineEdit* edDiametro;   // mm
    QLineEdit* edParede;     // mm
    QLineEdit* edCondutividade;
    QLineEdit* edComprimento;
    QLineEdit* edVazao;
    QLineEdit* edTEntrada;
    QCheckBox* chkSerie;
    QLineEdit* edColuna;     // of the hourly file
    QPushButton* btnSerie;
    QLabel* lbSerie;
    QLineEdit* edInicio;
    QLineEdit* edFim;
    QCheckBox* chkGatilho;
    QLineEdit* edLiga;
    QLineEdit* edDesliga;
    QLabel* lbEscoamento;
    QPushButton* btnTodas;
    QPushButton* btnOk;
    QPushButton* btnCancelar;

private:
    void Mostra(int L);        // the draft of lift L into the fields
    void Guarda(int L);        // the fields into the draft of lift L
    void AplicaATodas();
    void Ok();
    void Escoamento();
    void Habilita();
    void Predefinicao(int i);
    void LeSerie();
    void MostraSerie();

    Contexto& ctx_;
    std::vector<TSerpentinasCamada> rascunho_;  // lift L at L
    std::vector<double> serie_;                 // the inlet series, written at "Ok"
    std::string origemSerie_;
    int camada_ = 0;
    bool mostrando_ = false;
};

#pragma once
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <functional>
#include <string>

#include "core/ui/Contexto.h"
#include "core/ui/Gauge.h"
#include "core/ui/Programa.h"

// "          Norvik - 1D": the window the program lives in. It opens the input
// dialogs, holds the element count per layer, runs the transient analysis with
// its progress, and leads to the results and to the stress analysis.
class TfrmEntradaDados : public QMainWindow, public Programa {
    Q_OBJECT
public:
    explicit TfrmEntradaDados(Contexto& ctx, QWidget* parent = nullptr);

    // "Nova Análise": also called by the results window.
    void NovaAnalise() override;
    void EncerraPrograma() override { close(); }
    void MostraStatus(const QString& texto) override;
    QString NomeProjeto() const override { return nomeProjeto_; }
    void AbreProjetoDe(const QString& caminho) override;
    // Any "Insere" of the initial conditions enables the run.
    void HabilitaExecucao() override;
    int ElementosPorCamada() const override;
    // Text of panel 0 or 1 of the status bar.
    QLabel* Painel(int i) const { return i == 0 ? painel0_ : painel1_; }

    // Whether the problem differs from the one last opened or saved (or the one of
    // start-up): the project text of both, with the element count the window shows.
    bool ProblemaMudou() const;

    // What ends the program when this window closes (the tests replace it).
    std::function<void()> encerraPrograma;

    QGroupBox* gbxEntrada;
    QPushButton* btnMembro;
    QPushButton* btnTabelaMembro;  // the member as one editable grid
    QPushButton* btnCalorInt;
    QPushButton* btnCondCont;
    QPushButton* btnCondIni;
    QPushButton* btnTensional;
    QSpinBox* spNelem;
    QPushButton* btnRUN;
    Gauge* gaTransiente;
    QProgressBar* pbarProcesso;
    QStatusBar* sbComentarios;

    QAction* Sair;
    QAction* ReinicializarNorvik1DCE1;
    QAction* AbrirProjeto;
    QAction* SalvarProjeto;
    QAction* Unidade1;
    QAction* VisualizarResultados1;
    QAction* Programa1;

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    QString nomeProjeto_;
    void CriaMenus();
    void CondicoesContorno();
    void Executa();
    void PerguntaSair();
    void AbreProjeto();
    bool SalvaProjeto();  // true when saved
    std::string ImpressaoProblema() const;
    void MarcaProblemaSalvo() { impressaoSalva_ = ImpressaoProblema(); }
    void MostraArquivo(const QString& rotulo, const QString& caminho);
    // The one place where results stop being current. A thermal run (and "Nova
    // Análise") discards what was computed from the earlier run: the temperature
    // vector, the stress results, the summaries. A new problem also discards the
    // temperature table, its views and the colour scale.
    enum class Descarte { Execucao, Problema };
    void DescartaResultados(Descarte alcance);

    Contexto& ctx_;
    bool emExecucao_ = false;
    bool fecharAoTerminar_ = false;  // the window was closed during a run
    std::string impressaoSalva_;
    QLabel* painel0_;
    QLabel* painel1_;
};

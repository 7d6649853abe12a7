#pragma once
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "app/ui/CopiaRecuperacao.h"
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
    QString PastaProjeto() const override;
    // Every input dialog shows the problem as it is stored: after opening a project
    // (`novoProjeto`: the walks start again at layer 1), undo or redo.
    void MostraProblema(bool novoProjeto);
    // Any "Insere" of the initial conditions enables the run.
    void HabilitaExecucao() override;
    void ExecutaConsistente() override;
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
    QAction* NovoProjeto;      // a fresh problem, as at start-up (Ctrl+N)
    QAction* AbrirProjeto;     // Ctrl+O
    QAction* SalvarAtual;      // "Salvar": to the current file (Ctrl+S)
    QAction* SalvarProjeto;    // "Salvar Como..."
    QMenu* menuRecentes;
    QAction* GuiaRapido;
    QAction* Definicoes;

    // Opens the project at `caminho` (the command line, a recent project).
    void AbreArquivo(const QString& caminho);
    // The recent projects, newest first; the program keeps them in its settings
    // through these (tests keep them in memory).
    QStringList recentes;
    std::function<void(const QStringList&)> gravaRecentes;
    QAction* Unidade1;
    QAction* VisualizarResultados1;
    QAction* Programa1;

    // Keeps a recovery copy of the problem while it has unsaved changes: after every
    // confirmed change and every minute; removed when saved and on a clean exit. The
    // program gives one in the user's data folder; tests give theirs or none.
    void UsaRecuperacao(std::unique_ptr<CopiaRecuperacao> copia);
    // At start-up: offers each copy left by a program that did not end cleanly, newest
    // first; "Sim" loads it as an unsaved problem of its file, "Não" deletes it. True
    // when one was restored.
    bool OfereceRecuperacao();
    // Writes the copy when the problem has unsaved changes and removes it otherwise (the
    // minute's timer and every change of the history call it).
    void AtualizaRecuperacao();
    CopiaRecuperacao* Recuperacao() const { return recuperacao_.get(); }

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    QString nomeProjeto_;
    QString caminhoProjeto_;
    void CriaMenus();
    void NovoProblema();
    bool SalvaEm(QString caminho);
    void LembraRecente(const QString& caminho);
    void MontaRecentes();
    // The title names the project's file and marks unsaved changes.
    void AtualizaTitulo();
    void CondicoesContorno();
    void Executa();
    void PerguntaSair();
    void AbreProjeto();
    bool SalvaProjeto();  // true when saved
    std::string ImpressaoProblema() const;
    void MarcaProblemaSalvo() {
        impressaoSalva_ = ImpressaoProblema();
        AtualizaTitulo();
        AtualizaRecuperacao();
    }
    void RestauraCopia(const CopiaRecuperacao::Orfa& orfa);
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
    std::unique_ptr<CopiaRecuperacao> recuperacao_;
    QTimer relogioRecuperacao_;
};

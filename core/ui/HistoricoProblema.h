#pragma once
#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <vector>

#include "core/DadosModelo.h"
#include "core/ui/Contexto.h"

class QMenu;

// The history of the problem: every confirmed change of a dialog is one command of
// a QUndoStack, named after what it changed ("Calor Interno, camada 2"), that holds
// the problem before and after it. Undo and redo put one of them back; the
// windows then show the problem again. The run state is never part of it.
class HistoricoProblema : public QObject {
    Q_OBJECT
public:
    explicit HistoricoProblema(TDadosModelo& dados, QObject* pai = nullptr);

    QUndoStack& Pilha() { return pilha_; }

    // Runs `altera` on the problem as one change named `nome`; nothing is kept when
    // it changed nothing. A change that stops midway (a field that does not convert)
    // is kept as far as it went, and the exception goes on. A change made while
    // another is running belongs to that one.
    void Altera(const QString& nome, const std::function<void()>& altera);
    // Forgets every change (another project, a new problem): a new revision.
    void Limpa();

    // The revision of the problem: one more at every change kept, undo and redo
    // included, and at another project. Results carry the revision they were made from.
    long Revisao() const { return revisao_; }
    // Whether results made from revision `revisao` still describe the problem: the
    // same revision or, for results of the thermal run alone, no change since then
    // to what the thermal run reads (stress data and measurements may have changed).
    bool Vigente(long revisao, bool soTermica) const;
    // A run replaced the results the windows show: every window looks again.
    void AnunciaResultados() { emit RevisaoMudou(); }

    // "Desfazer: …" (Ctrl+Z) and "Refazer: …" (Ctrl+Y), active in every window.
    void AcrescentaAcoes(QMenu* menu);

    // Puts back a problem kept by a command.
    void Restaura(const TDadosModelo& problema);

signals:
    // The problem was put back by undo or redo.
    void Restaurado();
    // The problem has a new revision, or new results were made.
    void RevisaoMudou();

private:
    void NovaRevisao(bool termica);

    TDadosModelo& dados_;
    QUndoStack pilha_;
    bool alterando_ = false;
    long revisao_ = 0;
    // The thermal revision of each revision: one more when what the thermal run reads changed.
    std::vector<long> termicas_{0};
};

// The one way a dialog writes the problem: through the history when there is one.
inline void AlteraProblema(Contexto& ctx, const QString& nome, const std::function<void()>& altera) {
    if (ctx.historico) {
        ctx.historico->Altera(nome, altera);
    } else {
        altera();
    }
}

// The revision of the context's problem (0 in a bare test, which has no history).
inline long RevisaoAtual(const Contexto& ctx) { return ctx.historico ? ctx.historico->Revisao() : 0; }

// "Calor Interno, camada 2".
inline QString NomeCamada(const QString& dialogo, int camada) {
    return dialogo + QStringLiteral(", camada ") + QString::number(camada);
}

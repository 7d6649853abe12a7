#include "core/ui/HistoricoProblema.h"

#include <QAction>
#include <QMenu>
#include <QUndoCommand>
#include <memory>
#include <string>

#include "core/Projeto.h"

namespace {

// What tells two problems apart: the project text (a value that is not finite
// cannot be written and differs from every other problem).
std::string Impressao(const TDadosModelo& d) {
    try {
        return Projeto::Conteudo(d);
    } catch (const std::exception& e) {
        return std::string("sem texto: ") + e.what();
    }
}

class ComandoProblema : public QUndoCommand {
public:
    ComandoProblema(HistoricoProblema& historico, const QString& nome, std::unique_ptr<TDadosModelo> antes,
                    std::unique_ptr<TDadosModelo> depois)
        : QUndoCommand(nome), historico_(historico), antes_(std::move(antes)), depois_(std::move(depois)) {}

    // The change is already made when the command is pushed.
    void redo() override {
        if (feito_) {
            feito_ = false;
            return;
        }
        historico_.Restaura(*depois_);
    }
    void undo() override { historico_.Restaura(*antes_); }
    bool MudouTermico() const { return Projeto::ConteudoTermico(*antes_) != Projeto::ConteudoTermico(*depois_); }

private:
    HistoricoProblema& historico_;
    std::unique_ptr<TDadosModelo> antes_;
    std::unique_ptr<TDadosModelo> depois_;
    bool feito_ = true;
};

}  // namespace

HistoricoProblema::HistoricoProblema(TDadosModelo& dados, QObject* pai) : QObject(pai), dados_(dados) {
    // Each command keeps two whole problems: the oldest go first.
    pilha_.setUndoLimit(100);
}

void HistoricoProblema::Altera(const QString& nome, const std::function<void()>& altera) {
    if (alterando_) {
        altera();
        return;
    }
    auto antes = std::make_unique<TDadosModelo>(dados_);
    alterando_ = true;
    auto registra = [&] {
        alterando_ = false;
        if (Impressao(*antes) == Impressao(dados_)) return;
        auto* comando = new ComandoProblema(*this, nome, std::move(antes), std::make_unique<TDadosModelo>(dados_));
        bool termica = true;
        try {
            termica = comando->MudouTermico();
        } catch (const std::exception&) {
            // A value that cannot be written: taken as a change of everything.
        }
        pilha_.push(comando);
        NovaRevisao(termica);
    };
    try {
        altera();
    } catch (...) {
        registra();
        throw;
    }
    registra();
}

void HistoricoProblema::Restaura(const TDadosModelo& problema) {
    bool termica = true;
    try {
        termica = Projeto::ConteudoTermico(problema) != Projeto::ConteudoTermico(dados_);
    } catch (const std::exception&) {
        // A value that cannot be written: taken as a change of everything.
    }
    Projeto::CopiaProblema(problema, dados_);
    NovaRevisao(termica);
    emit Restaurado();
}

void HistoricoProblema::Limpa() {
    pilha_.clear();
    NovaRevisao(true);
}

void HistoricoProblema::NovaRevisao(bool termica) {
    ++revisao_;
    termicas_.push_back(termicas_.back() + (termica ? 1 : 0));
    emit RevisaoMudou();
}

bool HistoricoProblema::Vigente(long revisao, bool soTermica) const {
    if (revisao == revisao_) return true;
    if (!soTermica || revisao < 0 || revisao > revisao_) return false;
    return termicas_[static_cast<std::size_t>(revisao)] == termicas_.back();
}

void HistoricoProblema::AcrescentaAcoes(QMenu* menu) {
    auto* desfazer = menu->addAction(QStringLiteral("Desfazer"));
    desfazer->setObjectName(QStringLiteral("Desfazer"));
    desfazer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    auto* refazer = menu->addAction(QStringLiteral("Refazer"));
    refazer->setObjectName(QStringLiteral("Refazer"));
    refazer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    for (QAction* a : {desfazer, refazer}) a->setShortcutContext(Qt::ApplicationShortcut);
    auto atualiza = [this, desfazer, refazer] {
        desfazer->setEnabled(pilha_.canUndo());
        refazer->setEnabled(pilha_.canRedo());
        desfazer->setText(pilha_.canUndo() ? QStringLiteral("Desfazer: ") + pilha_.undoText()
                                           : QStringLiteral("Desfazer"));
        refazer->setText(pilha_.canRedo() ? QStringLiteral("Refazer: ") + pilha_.redoText()
                                          : QStringLiteral("Refazer"));
    };
    atualiza();
    connect(&pilha_, &QUndoStack::indexChanged, desfazer, atualiza);
    connect(&pilha_, &QUndoStack::cleanChanged, desfazer, atualiza);
    connect(desfazer, &QAction::triggered, &pilha_, &QUndoStack::undo);
    connect(refazer, &QAction::triggered, &pilha_, &QUndoStack::redo);
}

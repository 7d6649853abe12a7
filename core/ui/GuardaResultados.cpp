#include "core/ui/GuardaResultados.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QVBoxLayout>
#include <QWidget>

#include "core/ui/HistoricoProblema.h"

bool ResultadosVigentes(const Contexto& ctx, const std::optional<OrigemResultados>& origem) {
    if (!origem || !ctx.historico) return true;
    return ctx.historico->Vigente(origem->Revisao, origem->SoTermica);
}

QString GuardaResultados::TextoFaixa() { return QStringLiteral("Resultados de uma versão anterior do problema"); }

GuardaResultados* GuardaResultados::Registra(Contexto& ctx, QWidget* janela, Origem origem,
                                             std::vector<QObject*> controles) {
    if (!ctx.historico || !janela) return nullptr;
    return new GuardaResultados(ctx, janela, std::move(origem), std::move(controles));
}

GuardaResultados* GuardaResultados::De(const QWidget* janela) {
    return janela ? janela->findChild<GuardaResultados*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

GuardaResultados::GuardaResultados(Contexto& ctx, QWidget* janela, Origem origem, std::vector<QObject*> controles)
    : QObject(janela), ctx_(ctx), janela_(janela), origem_(std::move(origem)) {
    faixa_ = new QLabel(TextoFaixa(), janela);
    faixa_->setObjectName(QStringLiteral("faixaRevisao"));
    faixa_->setAlignment(Qt::AlignCenter);
    faixa_->setStyleSheet(QStringLiteral("QLabel { background: #fff3b0; color: #5a4200; border: 1px solid #d4a800; "
                                         "font-weight: bold; padding: 4px; }"));
    faixa_->hide();
    // Above everything the window holds, whatever its layout: in the layout's top
    // strip, beside the menu bar when there is one.
    if (QLayout* l = janela->layout()) {
        auto* topo = new QWidget(janela);
        topo->setObjectName(QStringLiteral("topoRevisao"));
        auto* caixa = new QVBoxLayout(topo);
        caixa->setContentsMargins(0, 0, 0, 0);
        caixa->setSpacing(0);
        if (QWidget* menu = l->menuBar()) caixa->addWidget(menu);
        caixa->addWidget(faixa_);
        l->setMenuBar(topo);
    }
    for (QObject* c : controles) {
        if (!c) continue;
        controles_.push_back({c, Habilitado(c)});
        if (auto* acao = qobject_cast<QAction*>(c)) {
            connect(acao, &QAction::enabledChanged, this, [this, acao](bool habilitado) {
                if (vigente_ || mudando_ || !habilitado) return;
                for (auto& k : controles_)
                    if (k.objeto == acao) k.desejado = true;
                Habilita(acao, false);
            });
        } else {
            c->installEventFilter(this);
        }
    }
    janela->installEventFilter(this);
    connect(ctx.historico, &HistoricoProblema::RevisaoMudou, this, &GuardaResultados::Avalia);
}

bool GuardaResultados::Habilitado(QObject* controle) {
    if (auto* acao = qobject_cast<QAction*>(controle)) return acao->isEnabled();
    if (auto* w = qobject_cast<QWidget*>(controle)) return !w->testAttribute(Qt::WA_ForceDisabled);
    return true;
}

void GuardaResultados::Habilita(QObject* controle, bool habilitado) {
    mudando_ = true;
    if (auto* acao = qobject_cast<QAction*>(controle)) {
        acao->setEnabled(habilitado);
    } else if (auto* w = qobject_cast<QWidget*>(controle)) {
        w->setEnabled(habilitado);
    }
    mudando_ = false;
}

bool GuardaResultados::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == janela_ && evento->type() == QEvent::Show) {
        Avalia();
    } else if (evento->type() == QEvent::EnabledChange && !vigente_ && !mudando_ && objeto != janela_) {
        // The window enabled a control of results that are not the problem's.
        if (Habilitado(objeto)) {
            for (auto& k : controles_)
                if (k.objeto == objeto) k.desejado = true;
            Habilita(objeto, false);
        }
    }
    return QObject::eventFilter(objeto, evento);
}

void GuardaResultados::Avalia() {
    const bool vigente = ResultadosVigentes(ctx_, origem_());
    if (vigente == vigente_) return;
    vigente_ = vigente;
    if (vigente) {
        Libera();
    } else {
        Bloqueia();
    }
}

void GuardaResultados::Bloqueia() {
    for (auto& k : controles_) {
        if (!k.objeto) continue;
        k.desejado = Habilitado(k.objeto);
        Habilita(k.objeto, false);
    }
    faixa_->show();
}

void GuardaResultados::Libera() {
    faixa_->hide();
    for (auto& k : controles_)
        if (k.objeto) Habilita(k.objeto, k.desejado);
}

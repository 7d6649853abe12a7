#include "core/ui/LacoCamadas.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVariant>
#include <algorithm>
#include <string>

#include "core/DadosModelo.h"
#include "core/Erros.h"
#include "core/Numeros.h"
#include "core/ui/CamposNumericos.h"

LacoCamadas::LacoCamadas(QWidget* contador)
    : QObject(nullptr),
      btnAnterior(new QPushButton(QStringLiteral("Anterior"))),
      spCamada(new QSpinBox),
      btnProxima(new QPushButton(QStringLiteral("Próxima"))),
      contador_(contador),
      navegacao_(new QWidget) {
    navegacao_->setObjectName(QStringLiteral("navegacaoCamadas"));
    btnAnterior->setObjectName(QStringLiteral("btnAnterior"));
    spCamada->setObjectName(QStringLiteral("spCamada"));
    btnProxima->setObjectName(QStringLiteral("btnProxima"));
    btnAnterior->setToolTip(QStringLiteral("Mostra a camada de baixo, sem gravar a camada mostrada"));
    btnProxima->setToolTip(QStringLiteral("Mostra a camada de cima, sem gravar a camada mostrada"));
    spCamada->setToolTip(QStringLiteral("Vai direto à camada, sem gravar a camada mostrada"));
    spCamada->setRange(1, 1);
    auto* linha = new QHBoxLayout(navegacao_);
    linha->setContentsMargins(0, 0, 0, 0);
    linha->addWidget(new QLabel(QStringLiteral("Ir para a camada")));
    linha->addWidget(btnAnterior);
    linha->addWidget(spCamada);
    linha->addWidget(btnProxima);
    linha->addStretch();
    connect(btnAnterior, &QPushButton::clicked, this, [this] {
        try {
            if (Atual() > 1) VaiPara(Atual() - 1);
        } catch (const std::exception&) {
        }
    });
    connect(btnProxima, &QPushButton::clicked, this, [this] {
        try {
            const int n = Atual();
            if (n < (ultima ? std::max(ultima(), 1) : 1)) VaiPara(n + 1);
        } catch (const std::exception&) {
        }
    });
    connect(spCamada, &QSpinBox::valueChanged, this, [this](int n) {
        if (!ajustando_) VaiPara(n);
    });
}

int LacoCamadas::Atual() const {
    return Numeros::TextoParaInteiro(contador_->property("text").toString().toStdString());
}

void LacoCamadas::AjustaSeletor(int n) {
    ajustando_ = true;
    const int topo = std::max({ultima ? ultima() : 1, n, 1});
    spCamada->setRange(1, std::min(topo, MaxCamadas));
    spCamada->setValue(n);
    btnAnterior->setEnabled(n > 1);
    btnProxima->setEnabled(n < topo);
    ajustando_ = false;
}

void LacoCamadas::Mostra(int n) {
    contador_->setProperty("text", QString::number(n));
    AjustaSeletor(n);
}

void LacoCamadas::VaiPara(int n) {
    Mostra(n);
    if (preenche && n >= 1 && n <= MaxCamadas) preenche(n);
}

void LacoCamadas::Atualiza() {
    try {
        VaiPara(Atual());
    } catch (const std::exception&) {
    }
}

void LacoCamadas::VerificaCapacidade(int n) {
    if (n < 1 || n > MaxCamadas) {
        throw ErroEntrada("A camada " + std::to_string(n) + " está fora da tabela de camadas (1 a " +
                          std::to_string(MaxCamadas) + ").");
    }
}

bool LacoCamadas::ConfirmaPasso(Mensagens& msg) {
    return msg.confirma(QStringLiteral("Dados Inseridos. Eles estão corretos?"));
}

LacoCamadas::Fim LacoCamadas::Avanca(int n, int nCamadas, int mostradoNoFim, Mensagens& msg) {
    if (n + 1 <= nCamadas) {
        VaiPara(n + 1);
        return Fim::Continua;
    }
    Mostra(n + 1);
    return Encerra(mostradoNoFim, msg);
}

LacoCamadas::Fim LacoCamadas::Encerra(int mostrado, Mensagens& msg) {
    Mostra(mostrado);
    return ConfirmaPasso(msg) ? Fim::Sim : Fim::Nao;
}

void LacoCamadas::Exibe(QLineEdit* campo, const QString& texto, double armazenado) {
    campo->setText(texto);
    mostrados_.insert(campo, {texto, armazenado});
}

double LacoCamadas::Valor(QLineEdit* campo, const std::function<double(double)>& armazena) const {
    const auto it = mostrados_.constFind(campo);
    if (it != mostrados_.cend() && it->texto == campo->text()) return it->valor;
    return armazena(CamposNumericos::Real(campo));
}

double LacoCamadas::Valor(QLineEdit* campo) const {
    return Valor(campo, [](double x) { return x; });
}

QString LacoCamadas::TextoRemocao(int primeira, int ultimaRemovida) {
    if (primeira == ultimaRemovida)
        return QStringLiteral("A camada %1 será removida do membro. Confirmar?").arg(primeira);
    if (ultimaRemovida - primeira >= 3)
        return QStringLiteral("As camadas %1 a %2 serão removidas do membro. Confirmar?").arg(primeira).arg(ultimaRemovida);
    QString lista;
    for (int k = primeira; k < ultimaRemovida; ++k) {
        if (!lista.isEmpty()) lista += QStringLiteral(", ");
        lista += QString::number(k);
    }
    return QStringLiteral("As camadas %1 e %2 serão removidas do membro. Confirmar?").arg(lista).arg(ultimaRemovida);
}

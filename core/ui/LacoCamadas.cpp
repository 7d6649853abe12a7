#include "core/ui/LacoCamadas.h"

#include <QVariant>
#include <string>

#include "core/DadosModelo.h"
#include "core/Erros.h"
#include "core/Numeros.h"

int LacoCamadas::Atual() const {
    return Numeros::TextoParaInteiro(contador_->property("text").toString().toStdString());
}

void LacoCamadas::Mostra(int n) {
    contador_->setProperty("text", QString::number(n));
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
    Mostra(n + 1);
    if (n + 1 <= nCamadas) return Fim::Continua;
    return Encerra(mostradoNoFim, msg);
}

LacoCamadas::Fim LacoCamadas::Encerra(int mostrado, Mensagens& msg) {
    Mostra(mostrado);
    return ConfirmaPasso(msg) ? Fim::Sim : Fim::Nao;
}

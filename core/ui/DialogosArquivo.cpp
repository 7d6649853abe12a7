#include "core/ui/DialogosArquivo.h"

#include <QStringList>

int DialogosArquivo::TipoDoNome(const QString& filtro, const QString& nome) {
    const QStringList partes = filtro.split(QLatin1Char('|'));
    for (int i = 0; i + 1 < partes.size(); i += 2) {
        for (const QString& padrao : partes[i + 1].split(QLatin1Char(';'))) {
            // "*.*" says nothing about the type.
            const QString fim = padrao.trimmed().mid(1);
            if (padrao.trimmed().startsWith(QLatin1Char('*')) && fim.size() > 1 && fim != QStringLiteral(".*") &&
                nome.endsWith(fim, Qt::CaseInsensitive))
                return i / 2;
        }
    }
    return -1;
}

std::optional<QString> DialogosArquivo::salvarTipo(const QString& filtro, int& tipo) {
    auto nome = salvar(filtro);
    tipo = nome ? std::max(0, TipoDoNome(filtro, *nome)) : 0;
    return nome;
}

#include "app/ui/CopiaRecuperacao.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSysInfo>
#include <algorithm>

#include "core/ArquivoAtomico.h"
#include "core/Erros.h"

namespace {

constexpr auto Formato = "norvik-1d/recuperacao";

// Host and process: two machines sharing a home folder may run programs of the same id.
QString NomeBase() {
    QString maquina = QSysInfo::machineHostName();
    for (QChar& c : maquina)
        if (!c.isLetterOrNumber() && c != QLatin1Char('-')) c = QLatin1Char('_');
    return QString::fromLatin1(CopiaRecuperacao::Prefixo) + maquina + QLatin1Char('-') +
           QString::number(QCoreApplication::applicationPid());
}

std::unique_ptr<QLockFile> Trava(const QString& caminho) {
    auto trava = std::make_unique<QLockFile>(caminho);
    // The lock lasts as long as the program: only a dead owner makes it stale, never its age.
    trava->setStaleLockTime(0);
    return trava;
}

QString SemExtensao(const QString& arquivo) { return arquivo.left(arquivo.size() - 5); }  // ".json"

}  // namespace

CopiaRecuperacao::CopiaRecuperacao(const QString& pasta, const QString& nome) : pasta_(pasta) {
    if (pasta_.isEmpty() || !QDir().mkpath(pasta_)) return;
    const QString base = QDir(pasta_).filePath(nome.isEmpty() ? NomeBase() : nome);
    auto trava = Trava(base + QStringLiteral(".lock"));
    if (!trava->tryLock(0)) {
        // A lock naming this very process on this machine was left by an earlier
        // program that had the same id and died: nobody else can hold it.
        qint64 pid = 0;
        QString maquina, programa;
        if (trava->error() == QLockFile::LockFailedError && trava->getLockInfo(&pid, &maquina, &programa) &&
            pid == QCoreApplication::applicationPid() && maquina == QSysInfo::machineHostName()) {
            trava->removeStaleLockFile();
        }
        if (!trava->tryLock(0)) return;
    }
    trava_ = std::move(trava);
    arquivo_ = base + QStringLiteral(".json");
    // A copy under this name was left by that earlier program: it moves aside, under a
    // name nobody locks, to be offered like any other.
    if (QFile::exists(arquivo_)) {
        QFile::rename(arquivo_, base + QLatin1Char('-') +
                                    QString::number(QDateTime::currentMSecsSinceEpoch()) + QStringLiteral(".json"));
    }
}

CopiaRecuperacao::~CopiaRecuperacao() = default;

void CopiaRecuperacao::Grava(const std::string& projeto, const QString& origem) {
    if (!trava_ || projeto == escrito_) return;
    QJsonObject o;
    o.insert(QStringLiteral("formato"), QString::fromLatin1(Formato));
    o.insert(QStringLiteral("arquivo"), origem);
    o.insert(QStringLiteral("gravada"), QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
    // The text itself, byte for byte: read back by the project reader.
    o.insert(QStringLiteral("projeto"), QString::fromStdString(projeto));
    const QByteArray bytes = QJsonDocument(o).toJson(QJsonDocument::Indented);
    try {
        TArquivoAtomico::Grava(QFile::encodeName(arquivo_).toStdString(),
                               std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        escrito_ = projeto;
    } catch (const ErroEntrada&) {
        // The earlier copy stays; the next change or minute tries again.
    }
}

void CopiaRecuperacao::Remove() {
    if (!trava_) return;
    QFile::remove(arquivo_);
    escrito_.clear();
}

std::vector<CopiaRecuperacao::Orfa> CopiaRecuperacao::Orfas() {
    std::vector<Orfa> orfas;
    if (!trava_) return orfas;
    const QDir pasta(pasta_);
    const QStringList nomes = pasta.entryList({QString::fromLatin1(Prefixo) + QStringLiteral("*.json")}, QDir::Files);
    for (const QString& nome : nomes) {
        const QString arquivo = pasta.filePath(nome);
        if (arquivo == arquivo_) continue;
        auto trava = Trava(SemExtensao(arquivo) + QStringLiteral(".lock"));
        if (!trava->tryLock(0)) continue;  // a program still running
        QFile f(arquivo);
        if (!f.open(QIODevice::ReadOnly)) continue;
        const QJsonObject o = QJsonDocument::fromJson(f.readAll()).object();
        if (o.value(QStringLiteral("formato")).toString() != QLatin1String(Formato) ||
            !o.value(QStringLiteral("projeto")).isString())
            continue;
        Orfa orfa;
        orfa.arquivo = arquivo;
        orfa.origem = o.value(QStringLiteral("arquivo")).toString();
        orfa.gravada = QDateTime::fromString(o.value(QStringLiteral("gravada")).toString(), Qt::ISODateWithMs);
        if (!orfa.gravada.isValid()) orfa.gravada = QFileInfo(f).lastModified();
        orfa.projeto = o.value(QStringLiteral("projeto")).toString().toStdString();
        orfas.push_back(std::move(orfa));
        travasOrfas_.push_back(std::move(trava));
    }
    std::sort(orfas.begin(), orfas.end(), [](const Orfa& a, const Orfa& b) { return a.gravada > b.gravada; });
    return orfas;
}

void CopiaRecuperacao::Descarta(const Orfa& orfa) {
    QFile::remove(orfa.arquivo);
    const QString lock = SemExtensao(orfa.arquivo) + QStringLiteral(".lock");
    for (auto it = travasOrfas_.begin(); it != travasOrfas_.end(); ++it) {
        if ((*it)->fileName() == lock) {
            travasOrfas_.erase(it);  // unlocks and removes the lock file
            break;
        }
    }
}

#include "core/ui/ArquivoFigura.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QWidget>
#include <stdexcept>

#include "core/ui/DialogosArquivo.h"

namespace ArquivoFigura {

namespace {

[[noreturn]] void Falha(const QString& caminho, const QString& motivo) {
    throw std::runtime_error(
        QStringLiteral("Não foi possível gravar a figura em \"%1\": %2").arg(caminho, motivo).toStdString());
}

// Why a file could not be written, in the user's words where the cause is a common one.
QString Motivo(const QString& caminho, const QFileDevice& arquivo) {
    const QFileInfo info(caminho);
    if (!info.absoluteDir().exists()) return QStringLiteral("a pasta não existe");
    if (info.isDir()) return QStringLiteral("o nome é de uma pasta");
    if (arquivo.error() == QFileDevice::PermissionsError) return QStringLiteral("sem permissão de escrita");
    return arquivo.errorString();
}

// A missing folder is refused before anything is drawn.
void VerificaPasta(const QString& caminho) {
    QSaveFile teste(caminho);
    if (!teste.open(QIODevice::WriteOnly)) Falha(caminho, Motivo(caminho, teste));
    teste.cancelWriting();
}

}  // namespace

void Grava(const QString& caminho, const QByteArray& bytes) {
    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly)) Falha(caminho, Motivo(caminho, arquivo));
    if (arquivo.write(bytes) != bytes.size() || !arquivo.commit()) {
        const QString motivo = Motivo(caminho, arquivo);
        arquivo.cancelWriting();
        Falha(caminho, motivo);
    }
}

const std::vector<SalvaComTipo::Tipo>& TiposGrafico() {
    static const std::vector<SalvaComTipo::Tipo> tipos{
        {QStringLiteral("Metarquivo do Windows (*.wmf)"), QStringLiteral("wmf")},
        {QStringLiteral("Imagem PNG"), QStringLiteral("png")},
        {QStringLiteral("Desenho SVG"), QStringLiteral("svg")},
        {QStringLiteral("Documento PDF"), QStringLiteral("pdf")}};
    return tipos;
}

Formato FormatoDoTipo(int tipo) {
    switch (tipo) {
        case 1: return Formato::Png;
        case 2: return Formato::Svg;
        case 3: return Formato::Pdf;
        default: return Formato::Wmf;
    }
}

void GravaDesenho(const QString& caminho, Formato formato, QSize tamanho, const Desenho& desenha) {
    VerificaPasta(caminho);
    tamanho = tamanho.expandedTo(QSize(1, 1));
    const QRectF area(QPointF(0, 0), QSizeF(tamanho));
    QByteArray bytes;
    if (formato == Formato::Png) {
        // Twice the screen's pixels: sharp enough for a printed page.
        QImage imagem(tamanho * 2, QImage::Format_ARGB32);
        imagem.fill(Qt::white);
        QPainter p(&imagem);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(2.0, 2.0);
        desenha(p, area);
        p.end();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!imagem.save(&buffer, "PNG")) Falha(caminho, QStringLiteral("a imagem não pôde ser codificada"));
    } else if (formato == Formato::Svg) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(tamanho);
        svg.setViewBox(area);
        svg.setTitle(QStringLiteral("Norvik 1D"));
        QPainter p(&svg);
        desenha(p, area);
        p.end();
    } else if (formato == Formato::Pdf) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setCreator(QStringLiteral("Norvik 1D"));
        pdf.setResolution(96);
        pdf.setPageSize(QPageSize(QSizeF(tamanho), QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter p(&pdf);
        // The page in points, the drawing in pixels of 1/96 in.
        const QRectF pagina = QRectF(QPointF(0, 0), QSizeF(pdf.width(), pdf.height()));
        p.scale(pagina.width() / tamanho.width(), pagina.height() / tamanho.height());
        desenha(p, area);
        p.end();
    } else {
        Falha(caminho, QStringLiteral("tipo de figura sem desenho"));
    }
    Grava(caminho, bytes);
}

void GravaPng(const QString& caminho, const QImage& imagem) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (imagem.isNull() || !imagem.save(&buffer, "PNG")) Falha(caminho, QStringLiteral("não há figura"));
    Grava(caminho, bytes);
}

void SalvaImagemComo(DialogosArquivo& arquivos, const QImage& imagem) {
    static const std::vector<SalvaComTipo::Tipo> png{{QStringLiteral("Imagem PNG"), QStringLiteral("png")}};
    const auto escolha = SalvaComTipo::Pergunta(arquivos, png, SalvaComTipo::PrimeiroTipo::AnexaSeFaltar);
    if (!escolha) return;
    GravaPng(QFile::decodeName(escolha->Caminho.c_str()), imagem);
}

void SalvaWidgetComo(DialogosArquivo& arquivos, QWidget* widget) {
    SalvaImagemComo(arquivos, widget->grab().toImage());
}

}  // namespace ArquivoFigura

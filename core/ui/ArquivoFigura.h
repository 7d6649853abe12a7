#pragma once
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

#include "core/ui/SalvaComTipo.h"

class DialogosArquivo;
class QPainter;
class QWidget;

// "Salvar Figura" of every window: one place that knows the picture types and writes
// them. A chart is a drawing (vector in SVG and PDF, pixels in PNG); the colour map and
// the member drawing are pictures (PNG). Every file goes through a temporary that
// replaces the target only when complete; a failure (a missing folder, a full disk)
// raises std::runtime_error naming the file and the reason, and an earlier file of
// that name stays as it was.
namespace ArquivoFigura {

enum class Formato { Wmf, Png, Svg, Pdf };

// The chart's types in the save dialog: the metafile first, then PNG, SVG, PDF.
const std::vector<SalvaComTipo::Tipo>& TiposGrafico();
Formato FormatoDoTipo(int tipo);

using Desenho = std::function<void(QPainter&, const QRectF&)>;

// Writes `desenha` at `tamanho` (pixels at the screen's resolution) as PNG, SVG or PDF.
void GravaDesenho(const QString& caminho, Formato formato, QSize tamanho, const Desenho& desenha);

// The bytes of a picture already made (the metafile).
void Grava(const QString& caminho, const QByteArray& bytes);

// A picture as PNG.
void GravaPng(const QString& caminho, const QImage& imagem);

// "Salvar Figura" of a picture: the dialog offers PNG; ".png" is added unless the name has it.
void SalvaImagemComo(DialogosArquivo& arquivos, const QImage& imagem);
// The widget as it shows on screen (the map beside its scale, the member beside its legend).
void SalvaWidgetComo(DialogosArquivo& arquivos, QWidget* widget);

}  // namespace ArquivoFigura

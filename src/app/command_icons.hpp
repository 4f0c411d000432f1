#pragma once

#include <QIcon>

namespace vezu {

// The commands' images by their index (0 Excel, 1 CSV, 2 Indicador,
// 3 Pen-drive, 4 Imprimir, 5 Configurações, 6 Encerrar, 7 Sobre, 8 PDF),
// drawn at 16 and 32 pixels.
QIcon commandIcon(int image);

// Any of the program's drawings (menu button, help button, program icon).
QIcon drawnIcon(const QString& resource, const QList<int>& sizes);

} // namespace vezu

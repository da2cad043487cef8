// SPDX-FileCopyrightText: 2026 Tallimax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/calculator/calculator_icon.h"

#include "window/calculator/icon.h"

#include <QImage>
#include <QPixmap>

#include <array>
#include <cstdint>
#include <cstring>
#include <utility>

namespace tallimax {

namespace {

// The pixels were made when the program was compiled; they are only copied here.
template <std::size_t N> QPixmap toPixmap(const std::array<std::uint32_t, N> &pixels, int side)
{
    QImage image(side, side, QImage::Format_ARGB32);
    std::memcpy(image.bits(), pixels.data(), sizeof pixels);
    return QPixmap::fromImage(std::move(image), Qt::NoFormatConversion);
}

} // namespace

QIcon calculatorIcon()
{
    QIcon icon(toPixmap(icon::Pixels32, 32));
    icon.addPixmap(toPixmap(icon::Pixels48, 48));
    icon.addPixmap(toPixmap(icon::Pixels64, 64));
    icon.addPixmap(toPixmap(icon::Pixels96, 96));
    return icon;
}

} // namespace tallimax

# SPDX-FileCopyrightText: 2026 Tallimax developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fills in a translated manual page's version and date, as configure_file does the English page's:
# cmake -DINPUT=<page.in> -DOUTPUT=<page> -DTALLIMAX_RELEASE_DATE=... -DPROJECT_VERSION=... -P
configure_file(${INPUT} ${OUTPUT} @ONLY)

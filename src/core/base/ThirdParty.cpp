#include "core/base/ThirdParty.h"

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

#include <sodium.h>
#include <sqlite3.h>
#include <xlsxwriter.h>

QList<ThirdParty> ThirdParty::all()
{
    return {
        {QStringLiteral("Qt"), QString::fromLatin1(qVersion()),
         QCoreApplication::translate("ThirdParty", "GNU LGPL 3.0（Qt Charts：GNU GPL 3.0）"),
         QCoreApplication::translate(
             "ThirdParty",
             "Qt 的 Core、Gui、Widgets、Sql、SerialPort、PrintSupport 模块按 GNU 宽通用公共许可证第 3 版使用，"
             "Qt Charts 按 GNU 通用公共许可证第 3 版使用；使用的是系统中的共享库，可以换成同一版本系列的"
             "其他构建。许可证全文见 https://www.gnu.org/licenses/ ，Debian 系统中在 "
             "/usr/share/common-licenses/LGPL-3 和 GPL-3；Qt 的源代码见 https://download.qt.io/ 。"
             "Copyright (C) The Qt Company Ltd. and other contributors.")},
        {QStringLiteral("SQLite"), QString::fromLatin1(sqlite3_libversion()),
         QCoreApplication::translate("ThirdParty", "公有领域 (public domain)"),
         QStringLiteral("The author disclaims copyright to this source code. In place of a legal notice, here is "
                        "a blessing: May you do good and not evil. May you find forgiveness for yourself and "
                        "forgive others. May you share freely, never taking more than you give.")},
        {QStringLiteral("libsodium"), QString::fromLatin1(sodium_version_string()), QStringLiteral("ISC"),
         QStringLiteral("Copyright (c) 2013-2017 Frank Denis <j at pureftpd dot org>\n\n"
                        "Permission to use, copy, modify, and/or distribute this software for any purpose with or "
                        "without fee is hereby granted, provided that the above copyright notice and this "
                        "permission notice appear in all copies.\n\n"
                        "THE SOFTWARE IS PROVIDED \"AS IS\" AND THE AUTHOR DISCLAIMS ALL WARRANTIES WITH REGARD TO "
                        "THIS SOFTWARE INCLUDING ALL IMPLIED WARRANTIES OF MERCHANTABILITY AND FITNESS. IN NO EVENT "
                        "SHALL THE AUTHOR BE LIABLE FOR ANY SPECIAL, DIRECT, INDIRECT, OR CONSEQUENTIAL DAMAGES OR "
                        "ANY DAMAGES WHATSOEVER RESULTING FROM LOSS OF USE, DATA OR PROFITS, WHETHER IN AN ACTION "
                        "OF CONTRACT, NEGLIGENCE OR OTHER TORTIOUS ACTION, ARISING OUT OF OR IN CONNECTION WITH "
                        "THE USE OR PERFORMANCE OF THIS SOFTWARE.")},
        {QStringLiteral("libxlsxwriter"), QString::fromLatin1(lxw_version()), QStringLiteral("BSD-2-Clause"),
         QStringLiteral("Copyright 2014-2021, John McNamara <jmcnamara@cpan.org>. All rights reserved.\n\n"
                        "Redistribution and use in source and binary forms, with or without modification, are "
                        "permitted provided that the following conditions are met:\n\n"
                        "1. Redistributions of source code must retain the above copyright notice, this list of "
                        "conditions and the following disclaimer.\n"
                        "2. Redistributions in binary form must reproduce the above copyright notice, this list of "
                        "conditions and the following disclaimer in the documentation and/or other materials "
                        "provided with the distribution.\n\n"
                        "THIS SOFTWARE IS PROVIDED BY THE COPYRIGHT HOLDERS AND CONTRIBUTORS \"AS IS\" AND ANY "
                        "EXPRESS OR IMPLIED WARRANTIES, INCLUDING, BUT NOT LIMITED TO, THE IMPLIED WARRANTIES OF "
                        "MERCHANTABILITY AND FITNESS FOR A PARTICULAR PURPOSE ARE DISCLAIMED. IN NO EVENT SHALL THE "
                        "COPYRIGHT HOLDER OR CONTRIBUTORS BE LIABLE FOR ANY DIRECT, INDIRECT, INCIDENTAL, SPECIAL, "
                        "EXEMPLARY, OR CONSEQUENTIAL DAMAGES (INCLUDING, BUT NOT LIMITED TO, PROCUREMENT OF "
                        "SUBSTITUTE GOODS OR SERVICES; LOSS OF USE, DATA, OR PROFITS; OR BUSINESS INTERRUPTION) "
                        "HOWEVER CAUSED AND ON ANY THEORY OF LIABILITY, WHETHER IN CONTRACT, STRICT LIABILITY, OR "
                        "TORT (INCLUDING NEGLIGENCE OR OTHERWISE) ARISING IN ANY WAY OUT OF THE USE OF THIS "
                        "SOFTWARE, EVEN IF ADVISED OF THE POSSIBILITY OF SUCH DAMAGE.")},
    };
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "coretest.h"

#include <QMetaMethod>

#include <iostream>
#include <set>

namespace coretest {

bool namesEveryTest(const QMetaObject &suite, std::string_view names)
{
    std::set<std::string> listed;
    for (std::size_t begin = 0; begin < names.size();) {
        const std::size_t end = std::min(names.find(',', begin), names.size());
        std::string_view name = names.substr(begin, end - begin);
        while (!name.empty() && name.front() == ' ')
            name.remove_prefix(1);
        listed.emplace(name);
        begin = end + 1;
    }
    std::set<std::string> tests;
    for (int i = suite.methodOffset(); i < suite.methodCount(); ++i) {
        const QMetaMethod method = suite.method(i);
        const QByteArray name = method.name();
        if (method.methodType() == QMetaMethod::Slot && method.access() == QMetaMethod::Private
            && !name.endsWith("_data"))
            tests.emplace(name.toStdString());
    }
    if (listed == tests)
        return true;
    std::cerr << "FAIL: SKALIX_CORE_TEST_MAIN must name exactly the test functions of "
              << suite.className() << ", so that the browser runs them all\n";
    return false;
}

} // namespace coretest

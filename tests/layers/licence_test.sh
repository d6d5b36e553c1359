#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Every source, header, script and CMake file says its licence at the top (the Debian changelog,
# whose format has no comments, says it in the package's copyright file; a text shipped to users,
# such as the Windows README, is the program's words and says it in the licence beside it).
set -euo pipefail
cd "$(dirname "$0")/../.."
missing=$(git ls-files '*.cpp' '*.h' '*.in' '*.sh' '*.cmake' 'CMakeLists.txt' '**/CMakeLists.txt' \
    'scripts/*' '.ci/*' ':!data/debian/*' ':!*.txt.in' | sort -u | while read -r file; do
    head -n 3 "$file" | grep -q 'SPDX-License-Identifier: MIT' || echo "$file"
done)
if [[ -n "$missing" ]]; then
    echo "no SPDX-License-Identifier line at the top of:" >&2
    echo "$missing" >&2
    exit 1
fi
echo "every source, script and CMake file carries its licence"

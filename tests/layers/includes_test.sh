#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Include what you use: a file that names a standard library name includes the header that
# declares it, itself or through one of our own headers it includes directly. A newer library
# stops bringing headers in by the way (GCC 14 no longer gives <algorithm> with <string>), and
# then a file that leaned on that no longer compiles.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
cd "$top"

# A pattern of names, then the headers any one of which declares them.
rules='
std::(reverse|sort|stable_sort|find|find_if|find_if_not|all_of|any_of|none_of|count_if|min_element|max_element|transform|copy_if|fill|equal|remove_if|unique|lower_bound|upper_bound|shuffle|clamp|min|max|mismatch|search|ranges::[a-z_]+)\b <algorithm>
std::(iota|accumulate|reduce|inner_product|partial_sum)\b <numeric>
std::vector\b <vector>
std::(string|to_string|stoi|stol)\b <string>
std::string_view\b <string_view>
std::(map|multimap)\b <map>
std::(set|multiset)\b <set>
std::unordered_map\b <unordered_map>
std::unordered_set\b <unordered_set>
std::(optional|nullopt)\b <optional>
std::(variant|visit|get_if|holds_alternative|monostate)\b <variant>
std::array\b <array>
std::span\b <span>
std::(pair|move|swap|forward|exchange|make_pair)\b <utility>
std::(tuple|tie)\b <tuple>
std::(unique_ptr|shared_ptr|make_unique|make_shared)\b <memory>
std::function\b <functional>
std::(ostringstream|istringstream|stringstream)\b <sstream>
std::(mt19937|mt19937_64|minstd_rand|uniform_int_distribution|bernoulli_distribution|random_device)\b <random>
std::(uint8_t|uint16_t|uint32_t|uint64_t|int32_t|int64_t)\b <cstdint>
std::size_t\b <cstddef> <cstdlib> <cstring> <cstdio>
std::(memcpy|memcmp|strlen|strcmp)\b <cstring>
std::(from_chars|to_chars)\b <charconv>
std::numeric_limits\b <limits>
std::(isdigit|isspace|isalpha|isalnum|tolower|toupper)\b <cctype>
std::chrono\b <chrono>
std::(ifstream|ofstream|fstream)\b <fstream>
std::(cout|cerr)\b <iostream>
std::filesystem\b <filesystem>
std::(runtime_error|invalid_argument|out_of_range|logic_error)\b <stdexcept>
std::initializer_list\b <initializer_list> <vector> <string> <map> <set> <array>
std::(back_inserter|next|prev|distance)\b <iterator>
'

includes_of() { # file: its own includes and those of the project headers it includes directly
    local file=$1 header
    grep -hoE '^\s*#\s*include\s*[<"][^>"]+[>"]' "$file" | sed -E 's/.*include\s*//'
    while read -r header; do
        for root in src tests "$(dirname "$file")"; do
            [[ -f "$root/$header" ]] && grep -hoE '^\s*#\s*include\s*<[^>]+>' "$root/$header" | sed -E 's/.*include\s*//' && break
        done
    done < <(grep -hoE '^\s*#\s*include\s*"[^"]+"' "$file" | sed -E 's/.*"(.*)"/\1/')
    return 0
}

failed=0
while read -r file; do
    code=$(sed -E 's://.*$::' "$file")
    have=$(includes_of "$file" | sort -u)
    while read -r pattern headers; do
        [[ -n "$pattern" ]] || continue
        names=$(grep -oE "$pattern" <<<"$code" | sort -u | tr '\n' ' ') || continue
        found=0
        for header in $headers; do grep -qxF "$header" <<<"$have" && found=1 && break; done
        if [[ $found -eq 0 ]]; then
            echo "$file uses ${names}but includes none of $headers" >&2
            failed=1
        fi
    done <<<"$rules"
done < <(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h' 2>/dev/null ||
    find src tests bench -name '*.cpp' -o -name '*.h')
[[ $failed -eq 0 ]] && echo "every file includes what it uses"
exit "$failed"

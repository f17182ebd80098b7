// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/test_number_list.h"

#include <boost/spirit/include/qi.hpp>

#include "model/test_number.h"

namespace ko {

namespace {

namespace qi = boost::spirit::qi;

// start: zero or more test_numbers; test_numbers: 1 to 5 digits, then a line end
// or the end of the input. Only digits and line ends are matched, so no
// character class (and no encoding) is involved.
template <class Iterator>
struct TestNumberListGrammar : qi::grammar<Iterator, std::vector<int>()> {
    TestNumberListGrammar() : TestNumberListGrammar::base_type(start)
    {
        test_numbers = digits >> (qi::eol | qi::eoi);
        start = *test_numbers;
    }

    qi::uint_parser<int, 10, 1, 5> digits;
    qi::rule<Iterator, int()> test_numbers;
    qi::rule<Iterator, std::vector<int>()> start;
};

}  // namespace

std::vector<int> parse_test_numbers(std::string_view text)
{
    static const TestNumberListGrammar<std::string_view::const_iterator> grammar;
    std::vector<int> numbers;
    auto first = text.begin();
    qi::parse(first, text.end(), grammar, numbers);
    return numbers;
}

std::string write_test_numbers(const std::vector<int>& numbers)
{
    std::string text;
    for (int number : numbers) {
        CTestNumber checked;
        checked.Set(number);
        text += checked.GetText();
        text += '\n';
    }
    return text;
}

}  // namespace ko

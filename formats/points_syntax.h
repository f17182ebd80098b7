// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The grammar of ASCII point lists. Included by the point-list reader only: it
// pulls in Boost.Spirit Qi.
// GCC 12 reports a false -Wmaybe-uninitialized inside Boost's floating-point
// traits when the real parser is inlined (Release builds).
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <boost/fusion/include/adapt_struct.hpp>
#include <boost/fusion/include/std_pair.hpp>
#include <boost/spirit/include/qi.hpp>
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif
#include <utility>
#include <vector>

namespace ko {

struct CPointXYZ {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

// What one parse yields: the lines of one, two and three numbers, in order.
struct CPointGroups {
    std::vector<double> ones;
    std::vector<std::pair<double, double>> twos;
    std::vector<CPointXYZ> threes;
};

}  // namespace ko

BOOST_FUSION_ADAPT_STRUCT(ko::CPointXYZ, x, y, z)
BOOST_FUSION_ADAPT_STRUCT(ko::CPointGroups, ones, twos, threes)

namespace ko {

namespace qi = boost::spirit::qi;

// Decimal reals only: the words "nan" and "inf" are not numbers here.
template <class T>
struct CDecimalRealPolicies : qi::real_policies<T> {
    template <class Iterator, class Attribute>
    static bool parse_nan(Iterator&, const Iterator&, Attribute&)
    {
        return false;
    }
    template <class Iterator, class Attribute>
    static bool parse_inf(Iterator&, const Iterator&, Attribute&)
    {
        return false;
    }
};

// Lines of one number, then lines of two, then lines of three. A line may
// begin with white space (so blank lines before a point are skipped); the
// separator between numbers is any run, possibly empty, of white space and
// commas; a line ends with CR LF, CR, LF or the end of the text. Run it with
// qi::parse (no skipper).
template <class Iterator>
struct syntax : qi::grammar<Iterator, CPointGroups()> {
    syntax() : syntax::base_type(start)
    {
        namespace ascii = boost::spirit::ascii;
        blanks = *ascii::space;
        separator = *(ascii::space | ascii::char_(','));
        line_end = qi::lit("\r\n") | qi::lit('\r') | qi::lit('\n') | qi::eoi;
        number = qi::real_parser<double, CDecimalRealPolicies<double>>();
        one = blanks >> number >> line_end;
        two = blanks >> number >> separator >> number >> line_end;
        three = blanks >> number >> separator >> number >> separator >> number >> line_end;
        start = *one >> *two >> *three;
    }

    qi::rule<Iterator> blanks;
    qi::rule<Iterator> separator;
    qi::rule<Iterator> line_end;
    qi::rule<Iterator, double()> number;
    qi::rule<Iterator, double()> one;
    qi::rule<Iterator, std::pair<double, double>()> two;
    qi::rule<Iterator, CPointXYZ()> three;
    qi::rule<Iterator, CPointGroups()> start;
};

}  // namespace ko

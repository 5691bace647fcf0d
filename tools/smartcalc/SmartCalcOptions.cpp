#include "SmartCalcOptions.h"

#include "UnitCatalogue.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

namespace
{

constexpr int kMinPrecision = 0;
constexpr int kMaxPrecision = 20;

struct NamedType
{
    std::string_view name;
    UnitType type;
};

struct NamedUnit
{
    std::string_view name;
    UnitId id;
};

constexpr NamedType kTypeNames[] = {
    {"length", UnitType::Length},
    {"area", UnitType::Area},
    {"volume", UnitType::Volume},
    {"angular", UnitType::Angular},
};

// One short name per id; area and volume reuse the length names.
constexpr NamedUnit kUnitNames[] = {
    {"mm", UnitId::Millimeter}, {"cm", UnitId::Centimeter}, {"m", UnitId::Meter},
    {"km", UnitId::Kilometer},  {"in", UnitId::Inch},       {"ft", UnitId::Foot},
    {"yd", UnitId::Yard},       {"mi", UnitId::Mile},       {"acre", UnitId::Acre},
    {"ha", UnitId::Hectare},    {"deg", UnitId::Degree},    {"grad", UnitId::Grad},
    {"rad", UnitId::Radian},    {"circle", UnitId::Circle},
};

std::string Quoted(std::string_view text)
{
    return "'" + std::string(text) + "'";
}

int ParsePrecision(std::string_view text)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < kMinPrecision ||
        value > kMaxPrecision)
        throw CUsageError("precision " + Quoted(text) + " is not a whole number from 0 to 20");
    return value;
}

int ParseLunits(std::string_view text)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 1 || value > 5)
        throw CUsageError("length format " + Quoted(text) + " is not a whole number from 1 to 5");
    return value;
}

int ParseAngle(std::string_view text)
{
    if (text == "deg")
        return 0;
    if (text == "grad")
        return 2;
    if (text == "rad")
        return 3;
    throw CUsageError("angle unit " + Quoted(text) + " is not one of deg, grad, rad");
}

double ParseValue(std::string_view text)
{
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        throw CUsageError("value " + Quoted(text) + " is not a finite decimal number");
    return value;
}

UnitType ParseType(std::string_view text)
{
    for (const NamedType& named : kTypeNames)
    {
        if (named.name == text)
            return named.type;
    }
    throw CUsageError("unit type " + Quoted(text) + " is not one of length, area, volume, angular");
}

UnitId ParseUnit(UnitType type, std::string_view typeName, std::string_view text)
{
    const auto named = std::find_if(std::begin(kUnitNames), std::end(kUnitNames),
                                    [text](const NamedUnit& unit) { return unit.name == text; });
    if (named == std::end(kUnitNames))
        throw CUsageError("unknown unit " + Quoted(text));
    const auto offered = UnitsOf(type);
    const bool isOffered =
        std::any_of(offered.begin(), offered.end(),
                    [id = named->id](const UnitEntry& entry) { return entry.id == id; });
    if (!isOffered)
        throw CUsageError("unit " + Quoted(text) + " is not a unit of " + std::string(typeName));
    return named->id;
}

// Splits "--name=value" so that both spellings of an option with a value work.
struct OptionWord
{
    std::string_view name;
    std::optional<std::string_view> inlineValue;
};

OptionWord SplitOption(std::string_view arg)
{
    const auto equals = arg.find('=');
    if (equals == std::string_view::npos)
        return {arg, std::nullopt};
    return {arg.substr(0, equals), arg.substr(equals + 1)};
}

class ArgumentReader
{
public:
    explicit ArgumentReader(std::span<const std::string_view> args) : m_args(args) {}

    bool AtEnd() const { return m_next >= m_args.size(); }
    std::string_view Next() { return m_args[m_next++]; }

    std::string_view ValueOf(const OptionWord& word)
    {
        if (word.inlineValue)
            return *word.inlineValue;
        if (AtEnd())
            throw CUsageError("option " + std::string(word.name) + " needs a value");
        return Next();
    }

private:
    std::span<const std::string_view> m_args;
    std::size_t m_next = 0;
};

} // namespace

SmartCalcOptions ParseArguments(std::span<const std::string_view> args)
{
    SmartCalcOptions options;
    ArgumentReader reader(args);
    std::vector<std::string_view> positional;
    bool help = false;
    bool convert = false;
    bool evaluationOption = false;
    std::string_view typeName;
    std::string_view fromName;
    std::string_view toName;

    while (!reader.AtEnd())
    {
        const std::string_view arg = reader.Next();
        // Expressions may start with a single '-' (-2^2), so only "--" words are options.
        if (arg == "--")
        {
            while (!reader.AtEnd())
                positional.push_back(reader.Next());
            break;
        }
        if (arg == "-h")
        {
            help = true;
            continue;
        }
        if (!arg.starts_with("--"))
        {
            positional.push_back(arg);
            continue;
        }

        const OptionWord word = SplitOption(arg);
        if (word.name == "--help" && !word.inlineValue)
        {
            help = true;
        }
        else if (word.name == "--precision")
        {
            options.precision = ParsePrecision(reader.ValueOf(word));
            evaluationOption = true;
        }
        else if (word.name == "--lunits")
        {
            options.lunits = ParseLunits(reader.ValueOf(word));
            evaluationOption = true;
        }
        else if (word.name == "--angle")
        {
            options.angleUnit = ParseAngle(reader.ValueOf(word));
            evaluationOption = true;
        }
        else if (word.name == "--exact" && !word.inlineValue)
        {
            options.exact = true;
        }
        else if (word.name == "--convert" && !word.inlineValue)
        {
            if (convert)
                throw CUsageError("--convert is given twice");
            convert = true;
            for (std::string_view* part : {&typeName, &fromName, &toName})
            {
                if (reader.AtEnd())
                    throw CUsageError("--convert needs TYPE FROM TO and at least one VALUE");
                *part = reader.Next();
            }
        }
        else
        {
            throw CUsageError("unknown option " + Quoted(arg));
        }
    }

    if (help)
    {
        options.mode = SmartCalcMode::Help;
        return options;
    }
    if (!convert)
    {
        if (options.exact)
            throw CUsageError("--exact applies only to --convert");
        options.expressions.assign(positional.begin(), positional.end());
        return options;
    }

    if (evaluationOption)
        throw CUsageError("--precision, --lunits and --angle do not apply to --convert");
    options.mode = SmartCalcMode::Convert;
    options.convertType = ParseType(typeName);
    options.convertFrom = ParseUnit(options.convertType, typeName, fromName);
    options.convertTo = ParseUnit(options.convertType, typeName, toName);
    if (positional.empty())
        throw CUsageError("--convert needs at least one VALUE");
    for (std::string_view text : positional)
        options.values.push_back(ParseValue(text));
    return options;
}

const char* HelpText()
{
    return R"HELP(Usage:
  smartcalc [--precision N] [--lunits N] [--angle deg|grad|rad] [EXPR ...]
  smartcalc [--exact] --convert TYPE FROM TO VALUE...
  smartcalc --help

Evaluates each EXPR in order in one process, so that `ans` reads the previous
result. Without EXPR, reads one expression per line from standard input until
end of input; on a terminal this is an interactive calculator (Ctrl-D quits).
Spaces are ignored, except inside a length in feet and inches: 5'-6 1/2"
is 66.5 (inches), 5' 6" is 66, 3/4" is 0.75.

Each expression prints one line: the result rounded to N decimals with
trailing zeros removed (or in the length format of --lunits), or
"error CODE: MESSAGE" when it fails. An expression that is empty (or only
spaces) prints an empty line.

Options:
  --precision N   decimals of a result, 0 to 20 (default 4); with --lunits 4
                  or 5 the inch fraction's denominator as a power of two
                  (4: sixteenths, at most 8)
  --lunits N      length format of a result, the drawing's LUNITS, in inches
                  from 3 on: 1 scientific 1.2650E+02, 2 decimal (default),
                  3 engineering 10'-6.5000", 4 architectural 10'-6 1/2",
                  5 fractional 126 1/2"
  --angle UNIT    angle unit of sin, cos, tan, asin, acos, atan:
                  deg (default), grad or rad
  --convert TYPE FROM TO VALUE...
                  converts each VALUE and prints one line per value
                  TYPE: length, area, volume, angular
                  units of length and volume: mm cm m km in ft yd mi
                  units of area: mm cm m km in ft yd mi acre ha
                    (square units: "area m km" is square metres to square km)
                  units of angular: deg grad rad circle
  --exact         with --convert: the shortest text that reads back as the
                  same double, instead of 10 decimals with zeros trimmed
  --              ends the options (for an EXPR that starts with "--")
  -h, --help      this text

Only arguments starting with "--" are options, so "smartcalc -2^2" evaluates.

Exit status: 0 when no expression failed, 1 when any failed, 2 for a usage
error (message on standard error, nothing on standard output).

Examples:
  smartcalc "1/3" "ans*3"                 0.3333, then 1
  smartcalc --precision 2 "2pi"           6.28
  smartcalc --lunits 4 "5'-6 1/2\" * 2"    11'-1"
  smartcalc --angle rad "sin(pi/2)"       1
  smartcalc --convert length in cm 3      7.62
  smartcalc --exact --convert angular deg rad 85    1.4835298641951802
)HELP";
}

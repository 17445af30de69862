"""The settings of one configuration register, found from its option values.

A header lists option symbols with the whole register value each selects
(every other bit set). The bits an option clears all belong to one setting, so
the settings are the groups of bits that options clear together. The value
with no bit cleared belongs to a setting only when a symbol of that setting
names it: on some chips the all-ones pattern of a field is not an option.
"""

# Register suffixes of 18F symbols and the words that only mark an alias.
_REGISTER_SUFFIX = {"%d%s" % (n, h) for n in range(1, 8) for h in "LH"}


class Setting:
    def __init__(self, token, field):
        self.token = token  # the setting's symbol word, e.g. FOSC or WDTE
        self.field = field  # the bits its options choose between
        self.options = []  # (value name, register value), first symbol of each value


def _tokens(symbol):
    return [t for t in symbol.split("_") if t and t not in _REGISTER_SUFFIX]


def _cleared(value, width_mask):
    return ~value & width_mask


def _fields(values, width_mask):
    """Bit groups: bits cleared by one option belong together (union-find)."""
    parent = {}

    def find(b):
        while parent[b] != b:
            parent[b] = parent[parent[b]]
            b = parent[b]
        return b

    for value in values:
        bits = [b for b in range(16) if _cleared(value, width_mask) >> b & 1]
        for b in bits:
            parent.setdefault(b, b)
        for b in bits[1:]:
            parent[find(b)] = find(bits[0])
    groups = {}
    for b in parent:
        groups.setdefault(find(b), 0)
        groups[find(b)] |= 1 << b
    return sorted(groups.values())


def _setting_token(symbols_by_value):
    """The word every value's symbols share; ties go to the first symbol's first word."""
    common = None
    for symbols in symbols_by_value:
        words = set()
        for symbol in symbols:
            words.update(_tokens(symbol))
        common = words if common is None else common & words
    first = _tokens(symbols_by_value[0][0])
    for word in first:
        if word in common:
            return word
    # One value with aliases and no shared word: its first symbol's first word.
    return first[0]


def _value_name(symbols, token):
    """The option's own words: the symbol less its setting word and register suffix."""
    # Symbols that begin with the setting's word first: aliases such as
    # DATA_CP_OFF name the same value in other words.
    ranked = sorted(symbols, key=lambda s: _tokens(s)[0] != token)
    for symbol in ranked:
        words = _tokens(symbol)
        if token in words:
            rest = [w for w in words if w != token]
            if rest:
                return " ".join(rest)
    return " ".join(_tokens(symbols[0]))


def _merge_same_token(settings, width):
    """One setting per symbol word: a field whose options each clear one bit
    (a write protection of 01/10/11 with no 00, say) splits into single bits."""
    merged = {}
    for setting in settings:
        if setting.token not in merged:
            merged[setting.token] = setting
            continue
        into = merged[setting.token]
        into.field |= setting.field
        for option in setting.options:
            if option not in into.options:
                into.options.append(option)
    return list(merged.values())


def settings_of(register):
    """The register's settings in the order the header lists them."""
    width = register.width_mask
    by_value = {}
    for symbol, value in register.symbols:
        by_value.setdefault(value & width, []).append(symbol)
    all_ones = by_value.get(width, [])
    settings = []
    for field in _fields(by_value.keys(), width):
        values = [v for v in by_value if _cleared(v, width) and not _cleared(v, width) & ~field]
        token = _setting_token([by_value[v] for v in values])
        setting = Setting(token, field)
        members = list(values)
        if any(token in _tokens(s) for s in all_ones):
            members.append(width)
        for value in members:
            setting.options.append((_value_name(by_value[value], token), value))
        settings.append(setting)
    settings = _merge_same_token(settings, width)
    order = [v & width for _, v in register.symbols]
    settings.sort(key=lambda s: min(order.index(v) for _, v in s.options if v != width))
    return settings

package net.cubeworks.world.util;

import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

/**
 * A small YAML reader for plugin descriptors: block maps and lists by indentation, plain,
 * single- and double-quoted scalars, flow lists ("[a, b]"), "|" and "&gt;" block scalars
 * and comments. Scalars stay strings. Anything else is rejected with a YamlException.
 */
public final class MiniYaml {
    /** The text is not in the accepted shape. */
    public static final class YamlException extends Exception {
        private static final long serialVersionUID = 1L;

        public YamlException(String message) {
            super(message);
        }
    }

    private static final class Line {
        final int number;
        final int indent;
        final String text;
        final String raw;

        Line(int number, int indent, String text, String raw) {
            this.number = number;
            this.indent = indent;
            this.text = text;
            this.raw = raw;
        }
    }

    private final List<Line> lines = new ArrayList<Line>();
    private int pos;

    private MiniYaml() {
    }

    /** The document's root: a Map, a List, a String, or null for an empty document. */
    public static Object parse(String text) throws YamlException {
        MiniYaml p = new MiniYaml();
        if (text.length() > 0 && text.charAt(0) == '\uFEFF') {
            text = text.substring(1);
        }
        String[] raw = text.split("\r\n|\r|\n", -1);
        for (int i = 0; i < raw.length; i++) {
            String line = raw[i];
            int indent = 0;
            while (indent < line.length() && line.charAt(indent) == ' ') {
                indent++;
            }
            String body = stripComment(line.substring(indent)).trim();
            if (body.length() == 0 || body.equals("---")) {
                p.lines.add(new Line(i + 1, -1, "", line));
                continue;
            }
            if (body.charAt(0) == '\t' || line.substring(0, indent + 1).indexOf('\t') >= 0) {
                throw new YamlException("tab in indentation on line " + (i + 1));
            }
            p.lines.add(new Line(i + 1, indent, body, line));
        }
        p.skipBlank();
        if (p.pos >= p.lines.size()) {
            return null;
        }
        int rootIndent = p.lines.get(p.pos).indent;
        Object root = p.parseBlock(rootIndent);
        p.skipBlank();
        if (p.pos < p.lines.size()) {
            throw new YamlException("bad indentation on line " + p.lines.get(p.pos).number);
        }
        return root;
    }

    private void skipBlank() {
        while (pos < lines.size() && lines.get(pos).indent < 0) {
            pos++;
        }
    }

    private static boolean isListItem(String text) {
        return text.equals("-") || text.startsWith("- ");
    }

    private Object parseBlock(int indent) throws YamlException {
        skipBlank();
        Line first = lines.get(pos);
        if (isListItem(first.text)) {
            return parseList(indent);
        }
        if (findColon(first.text) < 0) {
            pos++;
            return scalar(first.text, first.number);
        }
        return parseMap(indent);
    }

    private List<Object> parseList(int indent) throws YamlException {
        List<Object> list = new ArrayList<Object>();
        while (true) {
            skipBlank();
            if (pos >= lines.size() || lines.get(pos).indent != indent || !isListItem(lines.get(pos).text)) {
                break;
            }
            Line line = lines.get(pos++);
            String item = line.text.substring(1).trim();
            if (item.length() == 0) {
                list.add(nested(indent));
            } else {
                list.add(value(item, line.number, indent));
            }
        }
        return list;
    }

    private Map<String, Object> parseMap(int indent) throws YamlException {
        Map<String, Object> map = new LinkedHashMap<String, Object>();
        while (true) {
            skipBlank();
            if (pos >= lines.size() || lines.get(pos).indent != indent) {
                break;
            }
            Line line = lines.get(pos++);
            int colon = findColon(line.text);
            if (colon < 0) {
                throw new YamlException("expected \"key: value\" on line " + line.number);
            }
            String key = scalar(line.text.substring(0, colon).trim(), line.number);
            String rest = line.text.substring(colon + 1).trim();
            Object value;
            if (rest.length() == 0) {
                skipBlank();
                if (pos < lines.size() && lines.get(pos).indent == indent && isListItem(lines.get(pos).text)) {
                    value = parseList(indent);
                } else {
                    value = nested(indent);
                }
            } else {
                value = value(rest, line.number, indent);
            }
            map.put(key, value);
        }
        return map;
    }

    /** The block indented deeper than the parent, or null when there is none. */
    private Object nested(int parentIndent) throws YamlException {
        skipBlank();
        if (pos < lines.size() && lines.get(pos).indent > parentIndent) {
            return parseBlock(lines.get(pos).indent);
        }
        return null;
    }

    private Object value(String text, int number, int indent) throws YamlException {
        if (text.startsWith("[")) {
            // a flow list may go on over the following lines until its "]"
            StringBuilder joined = new StringBuilder(text);
            while (!text.endsWith("]") && pos < lines.size()) {
                Line next = lines.get(pos++);
                if (next.indent >= 0) {
                    joined.append(' ').append(next.text);
                    text = joined.toString();
                }
            }
            if (!text.endsWith("]")) {
                throw new YamlException("unclosed list on line " + number);
            }
            List<Object> list = new ArrayList<Object>();
            String inner = text.substring(1, text.length() - 1).trim();
            if (inner.length() > 0) {
                for (String part : splitFlow(inner, number)) {
                    list.add(scalar(part.trim(), number));
                }
            }
            return list;
        }
        if (text.equals("{}")) {
            return new LinkedHashMap<String, Object>();
        }
        if (text.startsWith("{")) {
            throw new YamlException("flow maps are not supported (line " + number + ")");
        }
        if (text.equals("|") || text.equals(">") || text.equals("|-") || text.equals(">-")) {
            return blockScalar(text.charAt(0) == '|', text.endsWith("-"), indent);
        }
        return scalar(text, number);
    }

    private String blockScalar(boolean literal, boolean strip, int parentIndent) {
        StringBuilder sb = new StringBuilder();
        int blockIndent = -1;
        while (pos < lines.size()) {
            Line line = lines.get(pos);
            if (line.indent >= 0 && line.indent <= parentIndent) {
                break;
            }
            if (line.indent >= 0 && blockIndent < 0) {
                blockIndent = line.indent;
            }
            String content = line.indent < 0 ? "" : line.raw.substring(Math.min(blockIndent, line.raw.length()));
            if (sb.length() > 0) {
                sb.append(literal ? '\n' : ' ');
            }
            sb.append(content);
            pos++;
        }
        String s = sb.toString();
        if (strip) {
            return s.replaceAll("[\\s]+$", "");
        }
        return s.replaceAll("[\\s]+$", "") + "\n";
    }

    private static List<String> splitFlow(String inner, int number) throws YamlException {
        List<String> parts = new ArrayList<String>();
        int start = 0;
        char quote = 0;
        for (int i = 0; i < inner.length(); i++) {
            char c = inner.charAt(i);
            if (quote != 0) {
                if (c == quote) {
                    quote = 0;
                }
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == ',') {
                parts.add(inner.substring(start, i));
                start = i + 1;
            } else if (c == '[' || c == '{') {
                throw new YamlException("nested flow collections are not supported (line " + number + ")");
            }
        }
        if (quote != 0) {
            throw new YamlException("unclosed quote on line " + number);
        }
        parts.add(inner.substring(start));
        return parts;
    }

    /** Position of the key separator ": " (or a final ":") outside quotes, or -1. */
    static int findColon(String text) {
        char quote = 0;
        for (int i = 0; i < text.length(); i++) {
            char c = text.charAt(i);
            if (quote != 0) {
                if (c == quote) {
                    quote = 0;
                }
            } else if ((c == '"' || c == '\'') && i == 0) {
                quote = c;
            } else if (c == ':' && (i + 1 == text.length() || text.charAt(i + 1) == ' ')) {
                return i;
            }
        }
        return -1;
    }

    /** Removes a comment: "#" at the start or after a blank, outside quotes. */
    static String stripComment(String text) {
        char quote = 0;
        for (int i = 0; i < text.length(); i++) {
            char c = text.charAt(i);
            if (quote != 0) {
                if (quote == '"' && c == '\\') {
                    i++;
                } else if (quote == '\'' && c == '\'' && i + 1 < text.length() && text.charAt(i + 1) == '\'') {
                    i++;
                } else if (c == quote) {
                    quote = 0;
                }
            } else if (c == '"' || c == '\'') {
                if (i == 0 || text.charAt(i - 1) == ' ' || text.charAt(i - 1) == '['
                        || text.charAt(i - 1) == ',') {
                    quote = c;
                }
            } else if (c == '#' && (i == 0 || text.charAt(i - 1) == ' ' || text.charAt(i - 1) == '\t')) {
                return text.substring(0, i);
            }
        }
        return text;
    }

    static String scalar(String text, int number) throws YamlException {
        if (text.length() == 0) {
            return "";
        }
        char q = text.charAt(0);
        if (q == '\'') {
            if (text.length() < 2 || !text.endsWith("'")) {
                throw new YamlException("unclosed quote on line " + number);
            }
            return text.substring(1, text.length() - 1).replace("''", "'");
        }
        if (q == '"') {
            if (text.length() < 2 || !text.endsWith("\"")) {
                throw new YamlException("unclosed quote on line " + number);
            }
            return unescape(text.substring(1, text.length() - 1), number);
        }
        if (text.equals("~") || text.equals("null")) {
            return null;
        }
        return text;
    }

    private static String unescape(String s, int number) throws YamlException {
        StringBuilder sb = new StringBuilder();
        for (int i = 0; i < s.length(); i++) {
            char c = s.charAt(i);
            if (c != '\\') {
                sb.append(c);
                continue;
            }
            if (++i >= s.length()) {
                throw new YamlException("bad escape on line " + number);
            }
            char e = s.charAt(i);
            switch (e) {
                case 'n': sb.append('\n'); break;
                case 't': sb.append('\t'); break;
                case 'r': sb.append('\r'); break;
                case '0': sb.append('\0'); break;
                case '"': sb.append('"'); break;
                case '\\': sb.append('\\'); break;
                case '/': sb.append('/'); break;
                case ' ': sb.append(' '); break;
                case 'u':
                    if (i + 4 >= s.length()) {
                        throw new YamlException("bad escape on line " + number);
                    }
                    try {
                        sb.append((char) Integer.parseInt(s.substring(i + 1, i + 5), 16));
                    } catch (RuntimeException ex) {
                        throw new YamlException("bad escape on line " + number);
                    }
                    i += 4;
                    break;
                default:
                    throw new YamlException("bad escape on line " + number);
            }
        }
        return sb.toString();
    }
}

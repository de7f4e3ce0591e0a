package org.bukkit.conversations;

import java.util.regex.Pattern;

/** A step whose answer must match a pattern whole. */
public abstract class RegexPrompt extends ValidatingPrompt {
    private final Pattern pattern;

    public RegexPrompt(String regex) {
        this(Pattern.compile(regex));
    }

    public RegexPrompt(Pattern pattern) {
        this.pattern = pattern;
    }

    @Override
    protected boolean isInputValid(ConversationContext context, String input) {
        return input != null && pattern.matcher(input).matches();
    }
}

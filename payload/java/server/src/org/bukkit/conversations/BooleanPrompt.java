package org.bukkit.conversations;

import java.util.Arrays;
import java.util.List;
import java.util.Locale;

/** A step whose answer is yes or no, in any of the usual words, in any case. */
public abstract class BooleanPrompt extends ValidatingPrompt {
    private static final List<String> YES = Arrays.asList("true", "yes", "on", "y", "1", "right", "correct", "valid");
    private static final List<String> NO = Arrays.asList("false", "no", "off", "n", "0", "wrong", "incorrect", "invalid");

    @Override
    protected boolean isInputValid(ConversationContext context, String input) {
        String word = normal(input);
        return YES.contains(word) || NO.contains(word);
    }

    @Override
    protected Prompt acceptValidatedInput(ConversationContext context, String input) {
        return acceptValidatedInput(context, YES.contains(normal(input)));
    }

    private static String normal(String input) {
        return input == null ? "" : input.trim().toLowerCase(Locale.ROOT);
    }

    protected abstract Prompt acceptValidatedInput(ConversationContext context, boolean input);
}

package org.bukkit.conversations;

/** A step whose answer is a number (whole numbers as Integer or Long, others as Double). */
public abstract class NumericPrompt extends ValidatingPrompt {
    @Override
    protected boolean isInputValid(ConversationContext context, String input) {
        Number n = parse(input);
        return n != null && isNumberValid(context, n);
    }

    /** Whether a number is acceptable; any number is, unless a subclass says otherwise. */
    protected boolean isNumberValid(ConversationContext context, Number input) {
        return true;
    }

    @Override
    protected Prompt acceptValidatedInput(ConversationContext context, String input) {
        return acceptValidatedInput(context, parse(input));
    }

    protected abstract Prompt acceptValidatedInput(ConversationContext context, Number input);

    @Override
    protected String getFailedValidationText(ConversationContext context, String invalidInput) {
        Number n = parse(invalidInput);
        if (n == null) {
            return getInputNotNumericText(context, invalidInput);
        }
        return getFailedValidationText(context, n);
    }

    /** What an answer that is no number is told; null says nothing. */
    protected String getInputNotNumericText(ConversationContext context, String invalidInput) {
        return null;
    }

    /** What a number refused by {@link #isNumberValid} is told; null says nothing. */
    protected String getFailedValidationText(ConversationContext context, Number invalidInput) {
        return null;
    }

    private static Number parse(String input) {
        if (input == null) {
            return null;
        }
        String s = input.trim();
        try {
            long l = Long.parseLong(s);
            if (l >= Integer.MIN_VALUE && l <= Integer.MAX_VALUE) {
                return (int) l;
            }
            return l;
        } catch (NumberFormatException notWhole) {
            try {
                double d = Double.parseDouble(s);
                return Double.isNaN(d) || Double.isInfinite(d) ? null : d;
            } catch (NumberFormatException notANumber) {
                return null;
            }
        }
    }
}

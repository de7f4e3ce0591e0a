package org.bukkit.conversations;

import org.bukkit.ChatColor;

/** A step that checks the answer: a refused one is told why (in red) and the step is asked again. */
public abstract class ValidatingPrompt implements Prompt {
    public Prompt acceptInput(ConversationContext context, String input) {
        if (isInputValid(context, input)) {
            return acceptValidatedInput(context, input);
        }
        String failure = getFailedValidationText(context, input);
        if (failure != null) {
            context.getForWhom().sendRawMessage(ChatColor.RED + failure);
        }
        return this;
    }

    public boolean blocksForInput(ConversationContext context) {
        return true;
    }

    protected abstract boolean isInputValid(ConversationContext context, String input);

    protected abstract Prompt acceptValidatedInput(ConversationContext context, String input);

    /** What a refused answer is told; null says nothing. */
    protected String getFailedValidationText(ConversationContext context, String invalidInput) {
        return null;
    }
}

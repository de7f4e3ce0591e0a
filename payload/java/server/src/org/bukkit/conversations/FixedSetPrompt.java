package org.bukkit.conversations;

import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;

/** A step whose answer must be one of a few words, exactly. */
public abstract class FixedSetPrompt extends ValidatingPrompt {
    protected List<String> fixedSet;

    public FixedSetPrompt(String... fixedSet) {
        this.fixedSet = new ArrayList<String>(Arrays.asList(fixedSet));
    }

    @Override
    protected boolean isInputValid(ConversationContext context, String input) {
        return fixedSet.contains(input);
    }

    /** The choices as "[a, b, c]", for the prompt text. */
    protected String formatFixedSet() {
        StringBuilder b = new StringBuilder("[");
        for (int i = 0; i < fixedSet.size(); i++) {
            if (i > 0) {
                b.append(", ");
            }
            b.append(fixedSet.get(i));
        }
        return b.append("]").toString();
    }
}

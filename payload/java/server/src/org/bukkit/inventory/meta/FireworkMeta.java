package org.bukkit.inventory.meta;

import java.util.List;
import org.bukkit.FireworkEffect;

public interface FireworkMeta extends ItemMeta {
    void addEffect(FireworkEffect fireworkEffect) throws IllegalArgumentException;
    void addEffects(FireworkEffect... fireworkEffects) throws IllegalArgumentException;
    void addEffects(Iterable<FireworkEffect> iterable) throws IllegalArgumentException;
    void clearEffects();
    FireworkMeta clone();
    List<FireworkEffect> getEffects();
    int getEffectsSize();
    int getPower();
    boolean hasEffects();
    void removeEffect(int value) throws IndexOutOfBoundsException;
    void setPower(int value) throws IllegalArgumentException;
}

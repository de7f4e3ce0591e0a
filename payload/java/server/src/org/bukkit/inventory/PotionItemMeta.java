package org.bukkit.inventory;

import java.util.ArrayList;
import java.util.Iterator;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

import org.bukkit.inventory.meta.PotionMeta;
import org.bukkit.potion.PotionEffect;
import org.bukkit.potion.PotionEffectType;

/**
 * A potion's custom effects, the tag's "CustomPotionEffects" list of {Id, Amplifier, Duration,
 * Ambient}, as the game keeps them.
 */
final class PotionItemMeta extends StackMeta implements PotionMeta {
    private List<PotionEffect> effects = new ArrayList<PotionEffect>();

    public boolean hasCustomEffects() {
        return !effects.isEmpty();
    }

    public List<PotionEffect> getCustomEffects() {
        return new ArrayList<PotionEffect>(effects);
    }

    public boolean addCustomEffect(PotionEffect effect, boolean overwrite) {
        if (effect == null) {
            throw new IllegalArgumentException("Potion effect must not be null");
        }
        for (int i = 0; i < effects.size(); i++) {
            if (effects.get(i).getType().equals(effect.getType())) {
                if (!overwrite) {
                    return false;
                }
                PotionEffect old = effects.set(i, effect);
                return !old.equals(effect);
            }
        }
        effects.add(effect);
        return true;
    }

    public boolean removeCustomEffect(PotionEffectType type) {
        for (Iterator<PotionEffect> it = effects.iterator(); it.hasNext();) {
            if (it.next().getType().equals(type)) {
                it.remove();
                return true;
            }
        }
        return false;
    }

    public boolean hasCustomEffect(PotionEffectType type) {
        for (PotionEffect e : effects) {
            if (e.getType().equals(type)) {
                return true;
            }
        }
        return false;
    }

    public boolean setMainEffect(PotionEffectType type) {
        for (int i = 0; i < effects.size(); i++) {
            if (effects.get(i).getType().equals(type)) {
                effects.add(0, effects.remove(i));
                return true;
            }
        }
        return false;
    }

    public boolean clearCustomEffects() {
        boolean had = !effects.isEmpty();
        effects.clear();
        return had;
    }

    @Override
    public PotionItemMeta clone() {
        PotionItemMeta copy = (PotionItemMeta) super.clone();
        copy.effects = new ArrayList<PotionEffect>(effects);
        return copy;
    }

    @Override
    boolean isEmpty() {
        return super.isEmpty() && effects.isEmpty();
    }

    @Override
    List<String> ownKeys() {
        List<String> keys = super.ownKeys();
        keys.add("CustomPotionEffects");
        return keys;
    }

    @Override
    void readTag(Map<String, Object> tag) {
        super.readTag(tag);
        effects.clear();
        Object list = tag == null ? null : tag.get("CustomPotionEffects");
        if (!(list instanceof List)) {
            return;
        }
        for (Object o : (List<?>) list) {
            if (!(o instanceof Map)) {
                continue;
            }
            Map<?, ?> e = (Map<?, ?>) o;
            PotionEffectType type = e.get("Id") instanceof Number ? typeOf(((Number) e.get("Id")).intValue()) : null;
            if (type != null) {
                effects.add(new PotionEffect(type, number(e.get("Duration")), number(e.get("Amplifier")),
                        number(e.get("Ambient")) != 0));
            }
        }
    }

    /** The kind of the game's number: the registered one, else the API's constant of that number. */
    private static PotionEffectType typeOf(int id) {
        PotionEffectType t = PotionEffectType.getById(id);
        if (t != null) {
            return t;
        }
        for (java.lang.reflect.Field f : PotionEffectType.class.getFields()) {
            if (java.lang.reflect.Modifier.isStatic(f.getModifiers()) && f.getType() == PotionEffectType.class) {
                try {
                    PotionEffectType c = (PotionEffectType) f.get(null);
                    if (c != null && c.getId() == id) {
                        return c;
                    }
                } catch (IllegalAccessException ex) {
                    // a public constant: not thrown
                }
            }
        }
        return null;
    }

    private static int number(Object o) {
        return o instanceof Number ? ((Number) o).intValue() : 0;
    }

    @Override
    void writeOwn(Map<String, Object> tag) {
        if (effects.isEmpty()) {
            return;
        }
        List<Object> list = new ArrayList<Object>();
        for (PotionEffect e : effects) {
            Map<String, Object> one = new LinkedHashMap<String, Object>();
            one.put("Id", (byte) e.getType().getId());
            one.put("Amplifier", (byte) e.getAmplifier());
            one.put("Duration", e.getDuration());
            one.put("Ambient", (byte) (e.isAmbient() ? 1 : 0));
            list.add(one);
        }
        tag.put("CustomPotionEffects", list);
    }

    @Override
    String metaType() {
        return "POTION";
    }

    @Override
    void serializeOwn(Map<String, Object> out) {
        if (!effects.isEmpty()) {
            out.put("custom-effects", new ArrayList<PotionEffect>(effects));
        }
    }

    @Override
    void deserializeOwn(Map<?, ?> map) {
        Object list = map.get("custom-effects");
        if (list instanceof List) {
            for (Object o : (List<?>) list) {
                if (o instanceof PotionEffect) {
                    addCustomEffect((PotionEffect) o, true);
                }
            }
        }
    }
}

package net.cubeworks.world.game.entity;

import java.util.ArrayList;
import java.util.Collection;
import java.util.List;

import org.bukkit.Color;
import org.bukkit.FireworkEffect;
import org.bukkit.configuration.serialization.ConfigurationSerialization;
import org.bukkit.potion.Potion;
import org.bukkit.potion.PotionBrewer;
import org.bukkit.potion.PotionEffect;
import org.bukkit.potion.PotionEffectType;
import org.bukkit.potion.PotionType;

/**
 * The game's 23 status effects, registered with the API once per process, and its brewing rules:
 * how long each potion lasts, shortened for level II and splash, lengthened when extended; and the
 * aliases saved configurations name effects, colours and firework effects by.
 */
public final class PotionKinds {
    /** {name, duration modifier, instant} of effects 1 to 23, as the game has them. */
    private static final Object[][] KINDS = {
        {"SPEED", 1.0, false}, {"SLOW", 0.5, false}, {"FAST_DIGGING", 1.5, false}, {"SLOW_DIGGING", 0.5, false},
        {"INCREASE_DAMAGE", 1.0, false}, {"HEAL", 1.0, true}, {"HARM", 0.5, true}, {"JUMP", 1.0, false},
        {"CONFUSION", 0.25, false}, {"REGENERATION", 0.25, false}, {"DAMAGE_RESISTANCE", 1.0, false},
        {"FIRE_RESISTANCE", 1.0, false}, {"WATER_BREATHING", 1.0, false}, {"INVISIBILITY", 1.0, false},
        {"BLINDNESS", 0.25, false}, {"NIGHT_VISION", 1.0, false}, {"HUNGER", 0.5, false},
        {"WEAKNESS", 0.5, false}, {"POISON", 0.25, false}, {"WITHER", 0.25, false},
        {"HEALTH_BOOST", 1.0, false}, {"ABSORPTION", 1.0, false}, {"SATURATION", 1.0, true},
    };
    /** A brewed potion's base length in ticks before the kind's modifier: three minutes. */
    static final int BASE_TICKS = 3600;

    private static boolean registered;

    private PotionKinds() {
    }

    /** One registered effect kind. */
    private static final class Kind extends PotionEffectType {
        private final String name;
        private final double durationModifier;
        private final boolean instant;

        Kind(int id, String name, double durationModifier, boolean instant) {
            super(id);
            this.name = name;
            this.durationModifier = durationModifier;
            this.instant = instant;
        }

        @Override
        public double getDurationModifier() {
            return durationModifier;
        }

        @Override
        public String getName() {
            return name;
        }

        @Override
        public boolean isInstant() {
            return instant;
        }
    }

    /** The brewing rules: effects of a potion item's damage value. */
    static final class Brewer implements PotionBrewer {
        public PotionEffect createEffect(PotionEffectType potion, int duration, int amplifier) {
            int ticks = potion.isInstant() ? 1 : (int) Math.round(duration * potion.getDurationModifier());
            return new PotionEffect(potion, ticks, amplifier);
        }

        /**
         * A potion's effect: base length times the kind's modifier, times 8/3 extended, halved at
         * level II, three quarters as a splash.
         */
        public Collection<PotionEffect> getEffectsFromDamage(int damage) {
            List<PotionEffect> out = new ArrayList<PotionEffect>();
            Potion potion = Potion.fromDamage(damage);
            PotionType type = potion.getType();
            if (type == null || type.getEffectType() == null) {
                return out;
            }
            double ticks = BASE_TICKS;
            if (potion.hasExtendedDuration()) {
                ticks = ticks * 8 / 3;
            }
            if (potion.getLevel() == 2) {
                ticks /= 2;
            }
            if (potion.isSplash()) {
                ticks *= 0.75;
            }
            out.add(createEffect(type.getEffectType(), (int) ticks, potion.getLevel() - 1));
            return out;
        }
    }

    /** Registers the kinds and the brewer with the API; later calls do nothing. */
    public static synchronized void register() {
        if (registered) {
            return;
        }
        registered = true;
        for (int i = 0; i < KINDS.length; i++) {
            Object[] k = KINDS[i];
            PotionEffectType.registerPotionEffectType(new Kind(i + 1, (String) k[0], (Double) k[1], (Boolean) k[2]));
        }
        PotionEffectType.stopAcceptingRegistrations();
        Potion.setPotionBrewer(new Brewer());
        // saved configurations name these by their short aliases ("==: PotionEffect")
        ConfigurationSerialization.registerClass(PotionEffect.class);
        ConfigurationSerialization.registerClass(Color.class);
        ConfigurationSerialization.registerClass(FireworkEffect.class);
    }
}
